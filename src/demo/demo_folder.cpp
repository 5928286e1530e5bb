#include "demo/demo_folder.h"

#include <fcntl.h>
#include <fmt/format.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "platform/messages.h"
#include "season/data_files.h"

namespace tavrin::demo {
namespace {

namespace fs = std::filesystem;

// Any name the season files' pattern covers (prefix*.dat), whatever stands for the year.
bool IsSeasonFileName(std::string_view name, std::string_view prefix) {
  constexpr std::string_view extension = ".dat";
  return name.size() >= prefix.size() + extension.size() && name.starts_with(prefix) &&
         name.ends_with(extension);
}

// Renames without ever replacing the target. Where the file system cannot promise that in one
// step, the target's absence is checked just before an ordinary rename.
bool MoveWithoutReplacing(const fs::path& from, const fs::path& to) {
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  std::error_code error;
  if (fs::exists(to, error) || error) return false;
  fs::rename(from, to, error);
  return !error;
}

// A new folder inside `folder`, so that moving out of it never crosses file systems.
std::optional<fs::path> MakeScratchFolder(const fs::path& folder) {
  std::string pattern = (folder / ".tavrin-demo-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) return std::nullopt;
  return fs::path(pattern);
}

// Moves every file of the scratch folder in, the settings file last, so that the program never
// finds a settings file naming a season whose files are not there yet. On a failure the files
// already moved go back and the reason is returned.
std::optional<std::string> MoveFilesIn(const fs::path& scratch, const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(scratch))
    names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  std::stable_partition(names.begin(), names.end(),
                        [](const std::string& name) { return name != SettingsFileName; });
  std::vector<std::string> moved;
  for (const std::string& name : names) {
    if (MoveWithoutReplacing(scratch / name, folder / name)) {
      moved.push_back(name);
      continue;
    }
    const std::string reason = fs::exists(folder / name)
                                   ? fmt::format("{} appeared in the folder meanwhile", name)
                                   : fmt::format("{} could not be moved into the folder", name);
    for (const std::string& back : moved) MoveWithoutReplacing(folder / back, scratch / back);
    return reason;
  }
  return std::nullopt;
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
  return name == SettingsFileName || name == NamesFileName || IsSeasonFileName(name, "TVSC") ||
         IsSeasonFileName(name, "TVSt");
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
  if (auto problem = CheckDemoOptions(options)) {
    ReportFailure(ui, *problem);
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
  const auto scratch = MakeScratchFolder(folder);
  if (!scratch) {
    ReportFailure(ui, fmt::format("no files can be written in {}", folder.string()));
    return CommandResult::NotSaved;
  }
  auto failure = MakeDemoSeason(*scratch, options, ui);
  if (!failure) failure = MoveFilesIn(*scratch, folder);
  fs::remove_all(*scratch, error);
  if (failure) {
    ReportFailure(ui, *failure);
    return CommandResult::NotSaved;
  }
  return CommandResult::Done;
}

}  // namespace tavrin::demo
