// The schedule reader on any bytes: every week it reads must be safe to index with.

#include <algorithm>
#include <cstdlib>

#include "fuzz_folder.h"
#include "season/data_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace tavrin;
  constexpr int Year = 1999;
  fuzz::PutFile(ScheduleFileName(Year), data, size);
  SeasonStore store;
  store.WorkingYear = Year;
  const int weeks = static_cast<int>(std::min<std::size_t>(size / ScheduleRecordSize + 1, 40));
  for (int week = 0; week <= weeks; ++week) {
    const bool usable = ReadScheduleWeek(store, fuzz::ScratchFolder(), week);
    if (store.WeekGameCount < 0 || store.WeekGameCount > MaxScheduleSlot) std::abort();
    for (int game = 1; game <= store.WeekGameCount; ++game) {
      const bool safe = store.GameFirstTeam[game] >= 0 && store.GameFirstTeam[game] <= 31 &&
                        store.GameSecondTeam[game] >= 0 && store.GameSecondTeam[game] <= 31 &&
                        store.GameDay[game] >= 0 && store.GameDay[game] <= 7;
      if (!safe) std::abort();
    }
    // A week said to be usable lists its first game.
    if (usable && (store.GameFirstTeam[1] == 0 || store.GameSecondTeam[1] == 0)) std::abort();
  }
  return 0;
}
