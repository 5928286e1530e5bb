// Building the reports over a full season's files, one report at a time, and a whole season:
// imported through the tool's commands, then every report of every week, team and order.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <sstream>

#include "analysis/season_projection.h"
#include "analysis/single_game.h"
#include "analysis/standings.h"
#include "bench_folder.h"
#include "cli/cli_command.h"
#include "cli/console_ui.h"
#include "cli/session_start.h"
#include "graphs/rating_series.h"
#include "graphs/scorecard_chart.h"
#include "reports/schedule_views.h"
#include "reports/scorecard_report.h"
#include "reports/statistics_view.h"
#include "reports/team_results.h"
#include "reports/weekly_predictions.h"
#include "reports/weekly_results.h"
#include "season/file_io.h"

namespace tavrin {
namespace {

const std::filesystem::path Golden =
    std::filesystem::path(TAVRIN_BENCH_DATA_DIR) / "golden" / "1999";

// A scratch folder with a copy of a golden folder's files, and a session started on it.
class SeasonFolder {
 public:
  explicit SeasonFolder(const std::filesystem::path& files) { Refill(files); }
  ~SeasonFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  void Refill(const std::filesystem::path& files) {
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      std::filesystem::remove(entry.path());
    }
    for (const auto& entry : std::filesystem::directory_iterator(files)) {
      std::filesystem::copy_file(entry.path(), path_ / entry.path().filename());
    }
    store = SeasonStore{};
    cli::StartSession(session);
  }

  std::filesystem::path path_ = MakeBenchFolder();
  std::ostringstream discarded;
  cli::ConsoleUi ui{discarded, discarded};
  SeasonStore store;
  Session session{store, ui, path_};
};

void RunReport(benchmark::State& state, const std::function<std::size_t(Session&)>& build) {
  SeasonFolder folder(Golden / "final");
  for (auto _ : state) benchmark::DoNotOptimize(build(folder.session));
}

template <typename Lines>
std::size_t Count(const Lines& lines) {
  return lines ? lines->size() : 0;
}

std::size_t ProjectionLines(Session& session) {
  const auto projection = ShowSeasonProjection(session);
  return projection ? ProjectionReportLines(session.store, *projection).size() : 0;
}

void Register() {
  const std::pair<const char*, std::function<std::size_t(Session&)>> reports[] = {
      {"predictions", [](Session& s) { return Count(ShowWeeklyPredictions(s, 9)); }},
      {"schedule_week", [](Session& s) { return Count(ShowWeeklySchedule(s, 9)); }},
      {"schedule_season", [](Session& s) { return ShowSeasonSchedule(s).size(); }},
      {"schedule_team", [](Session& s) { return Count(ShowTeamSchedule(s, "Jets")); }},
      {"results", [](Session& s) { return Count(ShowWeeklyResults(s, 9)); }},
      {"team_results", [](Session& s) { return Count(ShowTeamResults(s, "Jets")); }},
      {"standings", [](Session& s) { return Count(ShowStandings(s, 9)); }},
      {"statistics", [](Session& s) { return Count(ShowStatistics(s, 9)); }},
      {"statistics_resort",
       [](Session& s) { return StatisticsLines(s.store, 10, StatisticsOrder::AveDefense).size(); }},
      {"projection", [](Session& s) { return ProjectionLines(s); }},
      {"single_game",
       [](Session& s) {
         return LoadSpecialsRatings(s) ? SingleGameLine(s.store, 9, 30, true).size() : 0;
       }},
      {"graph",
       [](Session& s) {
         return static_cast<std::size_t>(LoadRatingChart(s, {GraphTwoTeams, 5, 30}).one[17]);
       }},
  };
  for (const auto& [name, build] : reports) {
    benchmark::RegisterBenchmark(
        (std::string("BM_Report/") + name).c_str(),
        [build = build](benchmark::State& state) { RunReport(state, build); })
        ->Unit(benchmark::kMicrosecond);
  }
}

// Every report the program can show for the season, as the menus offer them.
std::size_t EveryReport(Session& session) {
  SeasonStore& store = session.store;
  std::size_t lines = ShowSeasonSchedule(session).size();
  for (int week = 1; week <= store.WeeksInSeason; ++week) {
    lines += Count(ShowWeeklyPredictions(session, week));
    lines += Count(ShowWeeklySchedule(session, week));
    lines += Count(ShowWeeklyResults(session, week));
    lines += Count(ShowStandings(session, week));
  }
  for (int block = 0; block <= store.WeeksInSeason; ++block) {
    lines += Count(ShowStatistics(session, block));
    for (int order = 1; order < 4; ++order) {
      lines += StatisticsLines(store, block + 1, static_cast<StatisticsOrder>(order)).size();
    }
  }
  for (int team = 1; team <= store.TeamCount; ++team) {
    const std::string name = store.TeamName[team];
    lines += Count(ShowTeamSchedule(session, name));
    lines += Count(ShowTeamResults(session, name));
    LoadRatingChart(session, {GraphOneTeam, static_cast<int16_t>(team), 0});
  }
  lines += ProjectionLines(session);
  return lines;
}

// Imports a season through the tool's command into `folder`, refilled from `start` before each
// run, then builds every report of it.
void ImportWithReports(benchmark::State& state, const std::filesystem::path& start,
                       const std::vector<std::string>& arguments) {
  const auto commands = cli::DataCommands();
  const auto import = std::find_if(commands.begin(), commands.end(),
                                   [](const cli::CliCommand& c) { return c.name == "import"; });
  SeasonFolder folder(start);
  for (auto _ : state) {
    state.PauseTiming();
    folder.Refill(start);
    state.ResumeTiming();
    std::istringstream in;
    std::ostringstream out;
    if (import->run(folder.session, arguments, in, out) != cli::ExitDone) {
      state.SkipWithError("the import was refused");
      return;
    }
    cli::StartSession(folder.session);  // the season the import made, as the next command reads it
    state.counters["report_lines"] = static_cast<double>(EveryReport(folder.session));
  }
}

void BM_SeasonWithReports(benchmark::State& state) {
  ImportWithReports(
      state, Golden / "start",
      {(std::filesystem::path(TAVRIN_BENCH_DATA_DIR) / "seasons" / "1999.csv").string()});
}
BENCHMARK(BM_SeasonWithReports)->Unit(benchmark::kMillisecond);

// The same for a season of the 32-team league with eighteen weeks, from the community's games
// file into an empty folder.
void BM_ThirtyTwoTeamSeasonWithReports(benchmark::State& state) {
  const std::filesystem::path empty = MakeBenchFolder();
  ImportWithReports(
      state, empty,
      {"--season", "2022",
       (std::filesystem::path(TAVRIN_BENCH_DATA_DIR) / "seasons" / "modern" / "games_2022.csv")
           .string()});
  std::error_code ignored;
  std::filesystem::remove_all(empty, ignored);
}
BENCHMARK(BM_ThirtyTwoTeamSeasonWithReports)->Unit(benchmark::kMillisecond);

// The reports part of the above alone, over the season's final files.
void BM_EveryReportOfASeason(benchmark::State& state) {
  SeasonFolder folder(Golden / "final");
  for (auto _ : state) benchmark::DoNotOptimize(EveryReport(folder.session));
}
BENCHMARK(BM_EveryReportOfASeason)->Unit(benchmark::kMillisecond);

// The season scorecard of a whole season with a betting line for every game, as its window
// builds it: the files read, the figures, the report lines and the chart's data. It must stay
// under a frame (16 ms).
void BM_Scorecard(benchmark::State& state) {
  SeasonFolder folder(Golden / "final");
  const auto games = ReadPlayedGames(folder.session, folder.store.LastScoredWeek);
  std::vector<MarketLine> lines;
  for (const PlayedGame& game : games.value_or(std::vector<PlayedGame>{})) {
    lines.push_back({game.week, game.visitor, game.home, 3.0, 40.5});
  }
  if (lines.empty() ||
      !ReplaceFileAtomically(folder.path_ / MarketLinesFileName(folder.store.WorkingYear),
                             MarketLinesText(lines))) {
    state.SkipWithError("the season's games could not be read");
    return;
  }
  for (auto _ : state) {
    const auto scorecard = ShowSeasonScorecard(folder.session);
    if (!scorecard) {
      state.SkipWithError("the scorecard was refused");
      return;
    }
    benchmark::DoNotOptimize(ScorecardLines(folder.store, *scorecard));
    benchmark::DoNotOptimize(PickChartFrom(*scorecard, folder.store.WeeksInSeason));
  }
}
BENCHMARK(BM_Scorecard)->Unit(benchmark::kMillisecond);

const bool registered = (Register(), true);

}  // namespace
}  // namespace tavrin
