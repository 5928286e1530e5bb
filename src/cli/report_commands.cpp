// The report commands of the companion tool: each runs the view's command function and writes
// the report's lines, one per output line, exactly as the view's list would hold them.

#include <fmt/format.h>

#include <map>
#include <optional>
#include <ostream>

#include "analysis/conference_seeds.h"
#include "analysis/odds_history.h"
#include "analysis/playoff_odds.h"
#include "analysis/season_projection.h"
#include "analysis/single_game.h"
#include "analysis/standings.h"
#include "cli/cli_command.h"
#include "cli/command_support.h"
#include "graphs/rating_series.h"
#include "reports/schedule_views.h"
#include "reports/scorecard_report.h"
#include "reports/statistics_view.h"
#include "reports/team_results.h"
#include "reports/weekly_predictions.h"
#include "reports/weekly_results.h"
#include "reports/win_probabilities.h"
#include "season/text_convention.h"

namespace tavrin::cli {

namespace {

using Lines = std::vector<std::string>;
using Args = std::vector<std::string>;

int WriteLines(const std::optional<Lines>& lines, std::ostream& out) {
  if (!lines) return ExitRefused;
  for (const std::string& line : *lines) out << line << '\n';
  return ExitDone;
}

// A week number of the season (1..WeeksInSeason), or with `from` 0 also the start of it.
std::optional<int> ParseWeek(const Session& session, const std::string& text, int from = 1) {
  const auto week = ParseWholeNumber(text);
  if (!week || *week < from || *week > session.store.WeeksInSeason) return std::nullopt;
  return week;
}

// A team number of the season's league or a team's TeamName.
std::optional<int> ParseTeam(const Session& session, const std::string& text) {
  if (const auto number = ParseWholeNumber(text)) {
    if (IsSeasonTeam(session.store, *number)) return number;
    return std::nullopt;
  }
  const int team = FindTeamByName(session.store, text);
  if (team == 0) return std::nullopt;
  return team;
}

// Commands that take one week of the season.
CliCommand WeekReport(std::string name, std::optional<Lines> (*show)(Session&, int)) {
  return {name, "WEEK",
          [name, show](Session& session, const Args& args, std::istream&, std::ostream& out) {
            const auto week = args.size() == 1 ? ParseWeek(session, args[0]) : std::nullopt;
            if (!week) return UsageError(name + " needs a week number of the season");
            return WriteLines(show(session, *week), out);
          }};
}

// The team views are chosen by the text of the team box: the team's TeamName.
CliCommand TeamReport(std::string name, std::string usage,
                      std::optional<Lines> (*show)(Session&, const std::string&)) {
  return {name, usage,
          [name, show](Session& session, const Args& args, std::istream&, std::ostream& out) {
            const auto team = args.size() == 1 ? ParseTeam(session, args[0]) : std::nullopt;
            if (!team) return UsageError(name + " needs a team number or team name");
            return WriteLines(show(session, session.store.TeamName[*team]), out);
          }};
}

int RunSchedule(Session& session, const Args& args, std::istream& in, std::ostream& out) {
  if (args.size() == 2 && args[0] == "week") {
    const auto week = ParseWeek(session, args[1]);
    if (!week) return UsageError("schedule week needs a week number of the season");
    return WriteLines(ShowWeeklySchedule(session, *week), out);
  }
  if (args.size() == 1 && args[0] == "season") return WriteLines(ShowSeasonSchedule(session), out);
  if (!args.empty() && args[0] == "team") {
    static const CliCommand team = TeamReport("schedule team", "TEAM", ShowTeamSchedule);
    return team.run(session, Args(args.begin() + 1, args.end()), in, out);
  }
  return UsageError("schedule takes: week WEEK | season | team TEAM");
}

int RunStatistics(Session& session, const Args& args, std::istream&, std::ostream& out) {
  static const std::map<std::string, StatisticsOrder> orders{
      {"rating", StatisticsOrder::QualityRating},
      {"percentage", StatisticsOrder::Percentage},
      {"offense", StatisticsOrder::AveOffense},
      {"defense", StatisticsOrder::AveDefense}};
  const bool sorted = args.size() == 3 && args[1] == "--sort";
  const auto order = orders.find(sorted ? args[2] : "rating");
  if ((args.size() != 1 && !sorted) || order == orders.end()) {
    return UsageError("statistics takes ENTRY [--sort rating|percentage|offense|defense]");
  }
  const auto entry = ParseWeek(session, args[0], 0);
  if (!entry) return UsageError("statistics needs an entry 0..weeks of the season");
  if (!ShowStatistics(session, *entry)) return ExitRefused;
  return WriteLines(StatisticsLines(session.store, *entry + 1, order->second), out);
}

int RunProjection(Session& session, const Args& args, std::istream&, std::ostream& out) {
  if (!args.empty()) return UsageError("projection takes no arguments");
  const auto projection = ShowSeasonProjection(session);
  if (!projection) return ExitRefused;
  return WriteLines(ProjectionReportLines(session.store, *projection), out);
}

// WEEK:VISITOR-HOME=WINNER, the teams by number or name, the winner one of them or "tie".
std::optional<PickedGame> ParsePick(const Session& session, const std::string& text) {
  const std::size_t colon = text.find(':');
  const std::size_t equals = text.rfind('=');
  if (colon == std::string::npos || equals == std::string::npos || equals < colon) return {};
  const std::string teams = text.substr(colon + 1, equals - colon - 1);
  // A name may hold a hyphen itself: the split is the one that names two teams.
  for (std::size_t dash = teams.find('-'); dash != std::string::npos;
       dash = teams.find('-', dash + 1)) {
    const auto week = ParseWeek(session, text.substr(0, colon));
    const auto visitor = ParseTeam(session, teams.substr(0, dash));
    const auto home = ParseTeam(session, teams.substr(dash + 1));
    if (!week || !visitor || !home) continue;
    const std::string winner_text = text.substr(equals + 1);
    PickedGame pick{*week, *visitor, *home};
    if (winner_text == "tie") {
      pick.result = PickedResult::Tie;
      return pick;
    }
    const auto winner = ParseTeam(session, winner_text);
    if (winner != visitor && winner != home) return {};
    pick.result = winner == home ? PickedResult::HomeWins : PickedResult::VisitorWins;
    return pick;
  }
  return {};
}

// --runs N (at least one) and --seed S, each at most once; --csv; --fix PICK, repeatable.
int RunOdds(Session& session, const Args& args, std::istream&, std::ostream& out) {
  OddsOptions options;
  bool runs_given = false;
  bool seed_given = false;
  bool csv = false;
  for (std::size_t index = 0; index < args.size();) {
    const std::string& option = args[index++];
    if (option == "--csv" && !csv) {
      csv = true;
      continue;
    }
    if (index == args.size()) return UsageError("odds needs a value after " + option);
    const std::string& value = args[index++];
    if (option == "--runs" && !runs_given) {
      const auto runs = ParseWholeNumber(value);
      if (!runs || *runs < 1) return UsageError("odds needs --runs of at least 1");
      options.runs = *runs;
      runs_given = true;
    } else if (option == "--seed" && !seed_given) {
      const auto seed = ParseWholeNumber<uint64_t>(value);
      if (!seed) return UsageError("odds needs --seed as a whole number of at least 0");
      options.seed = *seed;
      seed_given = true;
    } else if (option == "--fix") {
      const auto pick = ParsePick(session, value);
      if (!pick) {
        return UsageError(
            "odds --fix takes WEEK:VISITOR-HOME=WINNER (teams by number or name, "
            "the winner one of them or tie), not \"" +
            value + "\"");
      }
      options.picks.push_back(*pick);
    } else {
      return UsageError("odds takes --runs N, --seed S, --csv and --fix WEEK:VISITOR-HOME=WINNER");
    }
  }
  const auto odds = ShowPlayoffOdds(session, options);
  if (!odds) return ExitRefused;
  return WriteLines(
      csv ? PlayoffOddsCsv(session.store, *odds) : PlayoffOddsLines(session.store, *odds), out);
}

// TEAM [TEAM2] [--runs N]: a line a played week, the week then each team's play-off and
// division odds in percent.
int RunOddsHistory(Session& session, const Args& args, std::istream&, std::ostream& out) {
  OddsOptions options;
  options.runs = OddsHistoryRuns;
  std::vector<int> teams;
  for (std::size_t index = 0; index < args.size(); ++index) {
    if (args[index] == "--runs" && index + 1 < args.size()) {
      const auto runs = ParseWholeNumber(args[++index]);
      if (!runs || *runs < 1) return UsageError("odds-history needs --runs of at least 1");
      options.runs = *runs;
    } else if (const auto team = ParseTeam(session, args[index]); team && teams.size() < 2) {
      // The same team twice is drawn alone, as on the rating graph.
      if (teams.empty() || teams.front() != *team) teams.push_back(*team);
    } else {
      return UsageError("odds-history needs one or two teams and takes --runs N");
    }
  }
  if (teams.empty()) return UsageError("odds-history needs one or two teams");
  const auto histories = ShowOddsHistory(session, teams, options);
  if (!histories) return ExitRefused;
  for (std::size_t week = 0; week < histories->front().weeks.size(); ++week) {
    out << histories->front().weeks[week].week;
    for (const OddsHistory& history : *histories) {
      const OddsAfterWeek& odds = history.weeks[week];
      out << ' '
          << OddsFigureText(odds.playoffs, odds.runs, odds.proven.playoffs,
                            odds.proven.out_of_playoffs)
          << ' '
          << OddsFigureText(odds.division, odds.runs, odds.proven.division,
                            odds.proven.out_of_division);
    }
    out << '\n';
  }
  return ExitDone;
}

int RunSingleGame(Session& session, const Args& args, std::istream&, std::ostream& out) {
  const bool neutral = args.size() == 3 && args[2] == "--neutral";
  const bool shape = args.size() == 2 || neutral;
  const auto visitor = shape ? ParseTeam(session, args[0]) : std::nullopt;
  const auto home = shape ? ParseTeam(session, args[1]) : std::nullopt;
  if (!visitor || !home || *visitor == *home) {
    return UsageError("single-game needs two different teams");
  }
  if (!LoadSpecialsRatings(session)) return ExitRefused;
  out << SingleGameLine(session.store, *visitor, *home, neutral) << '\n';
  return ExitDone;
}

// One line per block: the block number, then each team's CQR in general number form.
int RunGraph(Session& session, const Args& args, std::istream&, std::ostream& out) {
  const auto first = !args.empty() && args.size() <= 2 ? ParseTeam(session, args[0]) : std::nullopt;
  const auto second = args.size() == 2 ? ParseTeam(session, args[1]) : std::optional<int>(0);
  if (!first || !second) return UsageError("graph needs one or two teams");
  // Choosing the same team twice draws it alone.
  const bool compare = *second != 0 && *second != *first;
  const RatingChartData chart = LoadRatingChart(
      session, {compare ? GraphTwoTeams : GraphOneTeam, static_cast<int16_t>(*first),
                static_cast<int16_t>(compare ? *second : 0)});
  for (int block = 0; block <= LastSeriesBlock(session.store); ++block) {
    out << block << ' ' << GeneralNumber(chart.one[block]);
    if (compare) out << ' ' << GeneralNumber(chart.two[block]);
    out << '\n';
  }
  return ExitDone;
}

int RunScorecard(Session& session, const Args& args, std::istream&, std::ostream& out) {
  int through = 0;  // the last scored week
  if (!args.empty()) {
    const auto week =
        args.size() == 2 && args[0] == "--through" ? ParseWeek(session, args[1]) : std::nullopt;
    if (!week) return UsageError("scorecard takes [--through WEEK] with a week of the season");
    through = *week;
  }
  const auto scorecard = ShowSeasonScorecard(session, through);
  if (!scorecard) return ExitRefused;
  return WriteLines(ScorecardLines(session.store, *scorecard), out);
}

// [WEEK] [--csv]: the seeds after WEEK, the last scored week when none is given.
int RunSeeds(Session& session, const Args& args, std::istream&, std::ostream& out) {
  bool csv = false;
  std::optional<int> week;
  for (const std::string& arg : args) {
    if (arg == "--csv" && !csv) {
      csv = true;
      continue;
    }
    if (week || !(week = ParseWeek(session, arg)))
      return UsageError("seeds takes [WEEK] [--csv] with a week of the season");
  }
  const int after = week.value_or(session.store.LastScoredWeek);
  const auto seeds = ShowConferenceSeeds(session, after);
  if (!seeds) return ExitRefused;
  return WriteLines(csv ? ConferenceSeedsCsv(session.store, *seeds)
                        : ConferenceSeedLines(session.store, after, *seeds),
                    out);
}

}  // namespace

std::vector<CliCommand> ReportCommands() {
  return {
      WeekReport("predictions", ShowWeeklyPredictions),
      WeekReport("standings", ShowStandings),
      WeekReport("results", ShowWeeklyResults),
      {"schedule", "week WEEK | season | team TEAM", RunSchedule},
      TeamReport("team-results", "TEAM", ShowTeamResults),
      {"statistics", "ENTRY [--sort rating|percentage|offense|defense]", RunStatistics},
      {"projection", "", RunProjection},
      {"odds", "[--runs N] [--seed S] [--csv] [--fix WEEK:VISITOR-HOME=WINNER]...", RunOdds},
      {"odds-history", "TEAM [TEAM2] [--runs N]", RunOddsHistory},
      {"single-game", "VISITOR HOME [--neutral]", RunSingleGame},
      {"graph", "TEAM [TEAM2]", RunGraph},
      WeekReport("probabilities", ShowWinProbabilities),
      {"scorecard", "[--through WEEK]", RunScorecard},
      {"seeds", "[WEEK] [--csv]", RunSeeds},
  };
}

}  // namespace tavrin::cli
