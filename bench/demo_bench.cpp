// The demo season: drawing a schedule, simulating a week, and making the whole season on disk
// (two seasons' schedules, 25 weeks of results processing, every file replaced safely).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

#include "cli/console_ui.h"
#include "demo/demo_schedule.h"
#include "demo/demo_scores.h"
#include "demo/demo_season.h"

namespace {

namespace fs = std::filesystem;

void BM_DemoSchedule(benchmark::State& state) {
  uint64_t seed = 0;
  for (auto _ : state) benchmark::DoNotOptimize(tavrin::demo::MakeDemoSchedule(seed++));
}
BENCHMARK(BM_DemoSchedule);

void BM_DemoWeekOfScores(benchmark::State& state) {
  tavrin::demo::DemoRandom rng(1);
  const auto strengths = tavrin::demo::DrawStrengths(rng);
  for (auto _ : state) {
    for (int visitor = 1; visitor <= 30; visitor += 2)
      benchmark::DoNotOptimize(tavrin::demo::SimulateGame(strengths, visitor, visitor + 1, rng));
  }
}
BENCHMARK(BM_DemoWeekOfScores);

void BM_DemoSeasonOnDisk(benchmark::State& state) {
  const fs::path folder = fs::temp_directory_path() / "tavrin-demo-bench";
  std::ostringstream discarded;
  tavrin::cli::ConsoleUi ui(discarded, discarded);
  for (auto _ : state) {
    fs::remove_all(folder);
    fs::create_directories(folder);
    if (tavrin::demo::MakeDemoSeason(folder, tavrin::demo::DemoOptions{}, ui))
      state.SkipWithError("the demo season failed");
  }
  fs::remove_all(folder);
}
BENCHMARK(BM_DemoSeasonOnDisk)->Unit(benchmark::kMillisecond);

}  // namespace
