// Loading one statistics block: every view and the rating graph (18 loads) go through it.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "bench_folder.h"
#include "season/data_files.h"
#include "season/file_io.h"

namespace tavrin {
namespace {

constexpr int Year = 1999;

// A scratch folder holding the 1999 golden final statistics file, or a synthetic file of the
// same size (18 blocks with predictions) when the shared data is absent.
class StatisticsFolder {
 public:
  StatisticsFolder() : path_(MakeBenchFolder()) {
    const std::filesystem::path golden = std::filesystem::path(TAVRIN_SHARED_DIR) / "golden" /
                                         "1999" / "final" / StatisticsFileName(Year);
    std::error_code error;
    if (std::filesystem::copy_file(golden, path_ / StatisticsFileName(Year), error)) return;
    SeasonStore store;
    store.WorkingYear = Year;
    for (int block = 0; block <= 17; ++block) {
      for (int slot = 1; slot <= LeagueTeamCount; ++slot) {
        store.Cqr[slot] = 60 + block * 0.1 + slot;
        store.PickTeam[slot] = static_cast<int16_t>(slot);
        store.PickMargin[slot] = 3.5f;
      }
      if (!WriteStatsBlock(store, path_, block)) std::abort();
    }
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

  for (auto _ : state) {
    LoadStatsBlock(store, folder.path(), 8);
    benchmark::DoNotOptimize(store.Cqr);
  }
  if (!store.StatsStatus.empty()) state.SkipWithError("block 8 did not load");
}
BENCHMARK(BM_LoadBlock);

}  // namespace
}  // namespace tavrin
