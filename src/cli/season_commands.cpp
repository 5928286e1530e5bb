// new-season and settings: the commands that change the season's settings.

#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "cli/command_support.h"
#include "cli/console_ui.h"
#include "cli/data_command_parts.h"
#include "entry/new_season.h"
#include "entry/settings_update.h"
#include "season/text_convention.h"

namespace tavrin::cli {

namespace {

// "--name value" pairs; nothing (after a usage message) for an unknown or incomplete option.
std::optional<std::map<std::string, std::string>> ParseOptions(
    const std::string& command, const std::vector<std::string>& args,
    const std::vector<std::string>& known) {
  std::map<std::string, std::string> options;
  for (std::size_t at = 0; at < args.size(); at += 2) {
    const std::string& name = args[at];
    if (std::find(known.begin(), known.end(), name) == known.end() || at + 1 >= args.size()) {
      UsageError(fmt::format("{}: unexpected \"{}\"", command, name));
      return std::nullopt;
    }
    options[name] = args[at + 1];
  }
  return options;
}

int RunNewSeason(Session& session, const std::vector<std::string>& args, std::istream&,
                 std::ostream&) {
  const auto options = ParseOptions("new-season", args, {"--weeks"});
  if (!options) return ExitUsage;
  ScriptedAnswers answers(session.ui);
  answers.answers.push_back(true);
  answers.inputs.push_back(options->contains("--weeks") ? options->at("--weeks") : "17");
  Session answered{session.store, answers, session.folder};
  return RunNewSeasonSetup(answered) == CommandResult::Done ? ExitDone : ExitRefused;
}

void PrintSettings(const SeasonStore& store, std::ostream& out) {
  out << fmt::format("Working Year: {}\n", YearText(store.WorkingYear))
      << "Overall Reactivity: " << GeneralNumber(store.Reactivity) << "%\n"
      << "Off / Def Weighting: " << GeneralNumber(store.Weighting) << "%\n"
      << "Last Scored Week: " << store.LastScoredWeek << '\n'
      << "Weeks in Season: " << store.WeeksInSeason << '\n'
      << "Report Font: " << store.ReportFont << '\n';
}

// A scroll bar shows a setting rounded, and only within its range.
int ScrollValue(float setting, int lowest, int highest) {
  return std::clamp(static_cast<int>(std::lround(setting)), lowest, highest);
}

std::optional<int> PercentOption(const std::map<std::string, std::string>& options,
                                 const std::string& name, int fallback, int lowest, int highest) {
  if (!options.contains(name)) return fallback;
  const auto value = ParseWholeNumber(options.at(name));
  if (!value || *value < lowest || *value > highest) {
    UsageError(
        fmt::format("settings: {} takes a whole number from {} to {}", name, lowest, highest));
    return std::nullopt;
  }
  return value;
}

int RunSettings(Session& session, const std::vector<std::string>& args, std::istream&,
                std::ostream& out) {
  const auto options = ParseOptions("settings", args,
                                    {"--year", "--reactivity", "--weighting", "--weeks", "--font"});
  if (!options) return ExitUsage;
  SeasonStore& store = session.store;
  if (options->empty()) {
    PrintSettings(store, out);
    return ExitDone;
  }
  const auto reactivity = PercentOption(*options, "--reactivity",
                                        ScrollValue(store.Reactivity, MinReactivity, MaxReactivity),
                                        MinReactivity, MaxReactivity);
  const auto weighting = PercentOption(*options, "--weighting",
                                       ScrollValue(store.Weighting, MinWeighting, MaxWeighting),
                                       MinWeighting, MaxWeighting);
  if (!reactivity || !weighting) return ExitUsage;

  SettingsForm form;
  form.year_text =
      options->contains("--year") ? options->at("--year") : std::to_string(store.WorkingYear);
  form.weeks_text =
      options->contains("--weeks") ? options->at("--weeks") : std::to_string(store.WeeksInSeason);
  form.reactivity = *reactivity;
  form.weighting = *weighting;
  if (options->contains("--font")) store.ReportFont = options->at("--font");

  if (ApplySettings(session, form) != CommandResult::Done) return ExitRefused;
  PrintSettings(store, out);
  return ExitDone;
}

}  // namespace

CliCommand NewSeasonCommand() {
  return {"new-season", "[--weeks N]   start the working year from last season's week N (17)",
          RunNewSeason, Access::Writes};
}

CliCommand SettingsCommand() {
  return {"settings",
          "[--year Y] [--reactivity R] [--weighting W] [--weeks N] [--font NAME]   show or "
          "change the settings",
          RunSettings, Access::WritesWithOptions};
}

}  // namespace tavrin::cli
