// import and export: a whole season from and to a CSV file.

#include <fmt/format.h>

#include <filesystem>
#include <iostream>

#include "cli/command_support.h"
#include "cli/data_command_parts.h"
#include "cli/session_start.h"
#include "demo/first_season_start.h"
#include "engine/season_saving.h"
#include "entry/season_export.h"
#include "entry/season_import.h"
#include "league/games_file.h"
#include "season/season_change.h"

namespace tavrin::cli {

namespace {

// A season of the games file's year made in a folder without one. Its first season has no last
// season to carry ratings from, so the schedules go in first, then the start every team shares,
// then the scores week by week; all of it is one change, which a refusal leaves undone.
int ImportFirstSeason(Session& session, const std::string& name, const std::string& text,
                      int year) {
  const auto league = LeagueOf(year);
  if (!league) {
    std::cerr << fmt::format(
        "tavrin-cli: import: there is no league of {}: the first season is {}\n", year,
        FirstLeagueYear);
    return ExitRefused;
  }
  SeasonChange change(session.folder);
  const bool imported = demo::ImportFirstLeagueSeason(session, *league, name, text) &&
                        SaveOrTell(session.ui, change, {});
  if (!imported) return ExitRefused;
  demo::ShowFirstSeasonImported(session, name);
  return ExitDone;
}

int RunImport(Session& session, const std::vector<std::string>& args, std::istream& in,
              std::ostream&) {
  ImportChoice choice;
  std::vector<std::string> files;
  std::optional<int> season;
  for (std::size_t index = 0; index < args.size(); ++index) {
    if (args[index] == "--schedules-only") {
      choice.schedules_only = true;
    } else if (args[index] == "--replace") {
      choice.replace_confirmed = true;
    } else if (args[index] == "--season" && index + 1 < args.size() && !season) {
      season = ParseWholeNumber(args[++index]);
      if (!season) return UsageError("import --season needs a year");
    } else {
      files.push_back(args[index]);
    }
  }
  if (files.size() != 1)
    return UsageError("import needs [--schedules-only] [--replace] [--season YEAR] SEASON.csv");
  const auto text = ReadInputText(files[0], in);
  if (!text) return UsageError(fmt::format("import: {}", text.failure()));
  const std::string name = files[0] == "-" ? "stdin" : files[0];
  const bool games_file = IsGamesFileHeader(*text);
  if (session.store.WorkingYear == 0 && !HoldsSeason(session.folder)) {
    if (games_file && season && !choice.schedules_only) {
      return ImportFirstSeason(session, name, *text, *season);
    }
    std::cerr << "tavrin-cli: import: the folder holds no season; one is made from the "
                 "community's games file, with --season YEAR and without --schedules-only\n";
    return ExitRefused;
  }
  if (const int replaced = ScoredWeeksReplaced(session.store, choice);
      replaced > 0 && !choice.replace_confirmed) {
    std::cerr << fmt::format(
        "tavrin-cli: import: this replaces the {} scored weeks of {}; give --replace to replace "
        "them\n",
        replaced, session.store.WorkingYear);
    return ExitRefused;
  }
  if (games_file) {
    auto reader =
        GamesFileReader(season.value_or(session.store.WorkingYear), SeasonTeamCount(session.store));
    if (!reader) {
      std::cerr << "tavrin-cli: import: " << reader.failure() << '\n';
      return ExitRefused;
    }
    choice.reader = std::move(*reader);
  } else if (season) {
    return UsageError("import --season picks a season of the community's games file");
  }
  return ImportSeason(session, name, *text, choice) ? ExitDone : ExitRefused;
}

int RunExport(Session& session, const std::vector<std::string>& args, std::istream&,
              std::ostream& out) {
  if (args.size() > 1) return UsageError("export needs [FILE]");
  if (args.empty() || args[0] == "-") {
    const auto text = SeasonCsvText(session);
    if (!text) {
      std::cerr << "tavrin-cli: the season was not exported: " << text.failure() << '\n';
      return ExitRefused;
    }
    out << *text;
    return ExitDone;
  }
  return ExportSeason(session, args[0]) ? ExitDone : ExitRefused;
}

}  // namespace

CliCommand ImportCommand() {
  return {"import",
          "[--schedules-only] [--replace] [--season YEAR] SEASON.csv   check the whole file, then "
          "save every week's schedule and score every scored week, all at once or not at all "
          "(--replace: over a season that already holds scored weeks; the community's games "
          "file is read too, its season picked by --season or the working year, and makes that "
          "season's league and names in a folder without a season)",
          RunImport, Access::ChangesOrMakesSeason};
}

CliCommand ExportCommand() {
  return {"export", "[FILE]   the season as the CSV import reads, with each game's prediction",
          RunExport, Access::Reads};
}

}  // namespace tavrin::cli
