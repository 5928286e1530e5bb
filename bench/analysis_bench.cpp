// The play-off odds: ten thousand runs of the 2000 season's last eight weeks, read from the
// recorded 2000 season, with the full tie-break rules; and of the 2022 season's 18 weeks after a
// few played, seeded by the 32-team league's procedures.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>

#include "analysis/playoff_odds.h"
#include "league/games_file.h"
#include "season/data_files.h"

namespace tavrin {
namespace {

const std::filesystem::path Season2000 =
    std::filesystem::path(TAVRIN_BENCH_DATA_DIR) / "golden" / "2000" / "final";

void BM_PlayoffOdds(benchmark::State& state) {
  const int played_through = static_cast<int>(state.range(0));
  SeasonStore store;
  if (!ReadSettings(store, Season2000) ||
      !LoadStatsBlockNumber(store, Season2000, played_through)) {
    state.SkipWithError("the recorded 2000 season could not be read");
    return;
  }
  const SeasonGames season = LoadSeasonGames(store, Season2000, played_through);
  for (auto _ : state) {
    const PlayoffOdds odds = SimulatePlayoffOdds(store, season.games, played_through, {});
    benchmark::DoNotOptimize(odds.teams[1].title);
  }
}
BENCHMARK(BM_PlayoffOdds)->Arg(9)->Unit(benchmark::kMillisecond);

// The 2022 season from its games file, played through the argument's week: its records and
// points in the store, as its statistics would give the odds' net points.
void BM_PlayoffOdds32Teams(benchmark::State& state) {
  const int played_through = static_cast<int>(state.range(0));
  std::ifstream file(std::filesystem::path(TAVRIN_BENCH_DATA_DIR) / "seasons" / "modern" /
                     "games_2022.csv");
  std::stringstream text;
  text << file.rdbuf();
  std::vector<CsvProblem> problems;
  const SeasonCsv csv = ReadGamesFile(text.str(), 2022, problems);
  SeasonStore store;
  store.WorkingYear = 2022;
  store.TeamCount = MostLeagueTeams;
  std::vector<SeasonGame> games;
  for (const auto& [week, week_games] : csv.weeks) {
    for (const CsvGame& game : week_games) {
      if (week > played_through || !game.visitor_score) {
        games.push_back({week, game.visitor, game.home});
        continue;
      }
      games.push_back({week, game.visitor, game.home, true, *game.visitor_score, *game.home_score});
      for (const auto& [team, scored, allowed] :
           {std::tuple{game.visitor, *game.visitor_score, *game.home_score},
            std::tuple{game.home, *game.home_score, *game.visitor_score}}) {
        if (scored > allowed) store.Wins[team] += 1;
        if (scored < allowed) ++store.Losses[team];
        if (scored == allowed) ++store.Ties[team];
        store.PointsScored[team] += static_cast<float>(scored);
        store.PointsAllowed[team] += static_cast<float>(allowed);
      }
    }
  }
  if (!problems.empty() || games.empty()) {
    state.SkipWithError("the 2022 games file could not be read");
    return;
  }
  for (auto _ : state) {
    const PlayoffOdds odds = SimulatePlayoffOdds(store, games, played_through, {});
    benchmark::DoNotOptimize(odds.teams[1].title);
  }
}
BENCHMARK(BM_PlayoffOdds32Teams)->Arg(1)->Arg(9)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavrin
