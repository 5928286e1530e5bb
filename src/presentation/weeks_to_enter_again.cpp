#include "presentation/weeks_to_enter_again.h"

#include <fmt/format.h>

#include <algorithm>

#include "engine/recorded_scores.h"
#include "season/data_files.h"

namespace tavrin {

std::optional<WeekRange> WeeksToEnterAgain(const SeasonStore& store,
                                           const std::filesystem::path& folder) {
  std::optional<WeekRange> weeks;
  SeasonStore block = store;
  for (int week = std::max<int>(store.LastScoredWeek, 0) + 1; week <= store.WeeksInSeason; ++week) {
    const bool damaged = StatsBlockDamaged(store, folder, week);
    if (!damaged && !(LoadStatsBlockNumber(block, folder, week) && BlockHasRecordedScores(block)))
      continue;
    if (!weeks) weeks = WeekRange{week, week};
    weeks->last = week;
  }
  return weeks;
}

std::string EnterAgainNote(WeekRange weeks) {
  if (weeks.first == weeks.last) {
    return fmt::format("The scores of Week # {} must be entered again; they are left out here.",
                       weeks.first);
  }
  return fmt::format(
      "The scores of Week # {} to Week # {} must be entered again; they are left out here.",
      weeks.first, weeks.last);
}

}  // namespace tavrin
