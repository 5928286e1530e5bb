#include "demo/demo_folder.h"

#include <fmt/format.h>

#include <algorithm>
#include <system_error>

#include "platform/messages.h"
#include "season/data_files.h"
#include "season/season_change.h"

namespace tavrin::demo {
namespace {

namespace fs = std::filesystem;

// Any name the season files' pattern covers (prefix*.dat), whatever stands for the year.
bool IsSeasonFileName(std::string_view name, std::string_view prefix) {
  constexpr std::string_view extension = ".dat";
  return name.size() >= prefix.size() + extension.size() && name.starts_with(prefix) &&
         name.ends_with(extension);
}

std::string JoinNames(const std::vector<std::string>& names) {
  std::string joined;
  for (const std::string& name : names) joined += (joined.empty() ? "" : ", ") + name;
  return joined;
}

void ReportFailure(UserInterface& ui, const std::string& reason) {
  ui.ShowMessage("The demo season could not be made:\n\r" + reason + ".", ProgramCaption,
                 MessageIcon::Exclamation);
}

}  // namespace

bool IsDataFileName(std::string_view name) {
  return name == SettingsFileName || name == NamesFileName || name == ThirtyTwoTeamNamesFileName ||
         IsSeasonFileName(name, "TVSC") || IsSeasonFileName(name, "TVSt");
}

std::vector<std::string> DataFilesIn(const fs::path& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename();
    if (IsDataFileName(name)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

CommandResult WriteDemoSeason(const fs::path& folder, const DemoOptions& options,
                              UserInterface& ui) {
  if (auto usable = CheckDemoOptions(options); !usable) {
    ReportFailure(ui, usable.failure());
    return CommandResult::Refused;
  }
  std::error_code error;
  fs::create_directories(folder, error);
  if (const auto existing = DataFilesIn(folder); !existing.empty()) {
    ui.ShowMessage("This folder already holds Tavrin data (" + JoinNames(existing) +
                       ").\n\rThe demo season was not written.",
                   ProgramCaption, MessageIcon::Exclamation);
    return CommandResult::Refused;
  }
  // Made whole in memory and written in one step: a crash leaves the folder empty or with the
  // whole demo season, never a part of it.
  SeasonChange change(folder);
  Outcome<void> made = MakeDemoSeason(folder, options, ui);
  if (made) made = change.Commit();
  if (!made) {
    ReportFailure(ui, made.failure());
    return CommandResult::NotSaved;
  }
  return CommandResult::Done;
}

}  // namespace tavrin::demo
