// The play-off odds: ten thousand runs of the 2000 season's last eight weeks, read from the
// recorded 2000 season, with the full tie-break rules.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "analysis/playoff_odds.h"
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

}  // namespace
}  // namespace tavrin
