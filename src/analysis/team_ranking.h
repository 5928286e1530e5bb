#pragma once
// Ordering teams by a figure: winning percentages, keys of the form whole part + team / 10000,
// and the places those keys sort the teams into.

#include "season/season_store.h"

namespace tavrin {

// Every team's winning percentage: (Ties / 2 + Wins) / games played, single precision; 0 with no
// win or tie.
SlotArray<float> WinPercentages(const SeasonStore& store);

// The key of a team: floor(figure) + team / 10000. A figure that is not a finite number of
// sensible size (a damaged file) counts as 0, so that the team number still comes back whole.
double TeamSortKey(double figure, int team);

// Teams 1..count in ascending order of their keys (a shell sort with gaps 2^k - 1). Keys are
// doubles, so whole parts of 1024 and more keep their team numbers, which single-precision keys
// would not.
class TeamPlaces {
 public:
  TeamPlaces(SlotArray<double> keys, int count);
  // The team in place p (1 = lowest key); 0 for a place outside 1..count.
  int TeamInPlace(int place) const;

 private:
  SlotArray<double> places_;
  int count_;
};

}  // namespace tavrin
