#pragma once
// The weeks whose statistics blocks lie beyond the last scored week: scored once, then left
// behind when an earlier week was scored again (or cut off by a damaged block), so that their
// figures no longer follow from the weeks before them. Every view that walks the season leaves
// them out and says so.

#include <filesystem>
#include <optional>
#include <string>

#include "season/season_store.h"

namespace tavrin {

struct WeekRange {
  int first = 0;
  int last = 0;
};

// The first and last such week, reading the blocks without touching the store; nothing when
// every block in the file counts.
std::optional<WeekRange> WeeksToEnterAgain(const SeasonStore& store,
                                           const std::filesystem::path& folder);

// "The scores of Week # 6 to Week # 9 must be entered again; they are left out here."
std::string EnterAgainNote(WeekRange weeks);

}  // namespace tavrin
