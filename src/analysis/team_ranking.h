#pragma once
// Ordering teams by a figure: winning percentages, keys of the form whole part + team / 10000,
// and SortTeamKeys, which sorts such keys and turns them into team numbers.

#include "season/season_store.h"

namespace tavrin {

// WinPct of every team: (Ties / 2 + Wins) / games played, single precision; 0 with no win or tie.
void ComputeWinPercentages(SeasonStore& store);

// The key of a team: floor(figure) + team / 10000. A figure that is not a finite number of
// sensible size (a damaged file) counts as 0, so that the team number still comes back whole.
double TeamSortKey(double figure, int team);

// Sorts SortKey 1..TeamCount ascending (a shell sort with gaps 2^k - 1) and replaces each key
// by the team number it carries. Keys are doubles, so whole parts of 1024 and more keep their
// team numbers, which single-precision keys would not.
void SortTeamKeys(SeasonStore& store);

// The team in place p after SortTeamKeys; 0 when the slot holds no team number.
int TeamInPlace(const SeasonStore& store, int place);

}  // namespace tavrin
