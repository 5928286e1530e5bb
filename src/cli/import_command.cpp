// import: a whole season from a CSV file, week by week through schedule entry and score entry.

#include <algorithm>
#include <iostream>
#include <map>

#include <fmt/format.h>

#include "cli/command_support.h"
#include "cli/data_command_parts.h"
#include "cli/season_csv.h"

namespace tavrin::cli {

namespace {

bool HasScores(const std::vector<SeasonGame>& games) {
  return std::any_of(games.begin(), games.end(), [](const SeasonGame& game) {
    return !game.first_score.empty() || !game.second_score.empty();
  });
}

int RunImport(Session& session, const std::vector<std::string>& args, std::istream& in,
              std::ostream&) {
  bool schedules_only = false;
  std::vector<std::string> files;
  for (const auto& arg : args) {
    if (arg == "--schedules-only") {
      schedules_only = true;
    } else {
      files.push_back(arg);
    }
  }
  if (files.size() != 1) return UsageError("import needs [--schedules-only] SEASON.csv");
  const auto lines = ReadInputLines(files[0], in);
  if (!lines) return UsageError(fmt::format("import: cannot read {}", files[0]));
  std::string problem;
  const auto season = ParseSeasonCsv(*lines, problem);
  if (!season) return UsageError(fmt::format("import: {}: {}", files[0], problem));
  if (season->year != session.store.WorkingYear) {
    std::cerr << fmt::format("tavrin-cli: {} holds season {} but the working year is {}\n",
                             files[0], season->year, session.store.WorkingYear);
    return ExitRefused;
  }

  for (const auto& [week, games] : season->weeks) {
    std::vector<ScheduledGame> schedule;
    for (const auto& game : games) schedule.push_back(game.game);
    if (const int status = SaveWeekSchedule(session, week, schedule); status != ExitDone) {
      return status;
    }
  }
  if (schedules_only) return ExitDone;
  for (const auto& [week, games] : season->weeks) {
    if (!HasScores(games)) continue;
    std::vector<ScoreTexts> scores;
    for (const auto& game : games) scores.push_back({game.first_score, game.second_score});
    if (const int status = EnterWeekScores(session, week, scores); status != ExitDone) {
      return status;
    }
  }
  return ExitDone;
}

}  // namespace

CliCommand ImportCommand() {
  return {"import",
          "[--schedules-only] SEASON.csv   save every week's schedule, then enter every week's "
          "scores",
          RunImport};
}

}  // namespace tavrin::cli
