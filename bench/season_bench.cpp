// Loading one statistics block: every view and the rating graph (18 loads) go through it.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_folder.h"
#include "season/data_files.h"
#include "season/file_io.h"

namespace tavrin {
namespace {

constexpr int Year = 1999;

// A scratch folder holding the 1999 recorded season's final statistics file (18 blocks).
class StatisticsFolder {
 public:
  StatisticsFolder() : path_(MakeBenchFolder()) {
    std::filesystem::copy_file(std::filesystem::path(TAVRIN_BENCH_DATA_DIR) / "golden" / "1999" /
                                   "final" / StatisticsFileName(Year),
                               path_ / StatisticsFileName(Year));
  }
  ~StatisticsFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

void BM_LoadBlock(benchmark::State& state) {
  const StatisticsFolder folder;
  SeasonStore store;
  store.WorkingYear = Year;
  store.TeamCount = LeagueTeamCount;

  bool loaded = false;
  for (auto _ : state) {
    loaded = LoadStatsBlock(store, folder.path(), 8);
    benchmark::DoNotOptimize(store.Cqr);
  }
  if (!loaded) state.SkipWithError("block 8 did not load");
}
BENCHMARK(BM_LoadBlock);

}  // namespace
}  // namespace tavrin
