// The statistics loader on any bytes: team numbers it loads must be safe to index with.

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "fuzz_folder.h"
#include "season/data_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace tavrin;
  constexpr int Year = 1999;
  constexpr std::size_t BlockSize = StatsRecordSize * LeagueTeamCount;
  fuzz::PutFile(StatisticsFileName(Year), data, size);
  SeasonStore store;
  store.WorkingYear = Year;
  store.TeamCount = LeagueTeamCount;
  const int weeks = static_cast<int>(std::min<std::size_t>(size / BlockSize + 2, 40));
  for (int block = -1; block < weeks; ++block) {
    const bool usable = LoadStatsBlock(store, fuzz::ScratchFolder(), block);
    if (usable && !BlockHasPredictions(store)) std::abort();
    for (int slot = 1; slot <= LeagueTeamCount; ++slot) {
      const bool safe = store.PickTeam[slot] >= 0 && store.PickTeam[slot] <= 31 &&
                        store.GameWinner[slot] >= 0 && store.GameWinner[slot] <= 31 &&
                        std::isfinite(store.Cqr[slot]) && std::isfinite(store.Wins[slot]);
      if (!safe) std::abort();
    }
  }
  return 0;
}
