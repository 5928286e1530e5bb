#pragma once
// The refusals the views share, and the test behind the most common one: a statistics block
// that carries no recorded scores.

#include "platform/user_interface.h"
#include "season/season_store.h"

namespace tavrin {

// True when FirstScore and SecondScore of game slots 1 and 2 are all four 0.
bool NoScoresRecorded(const SeasonStore& store);

// "Cannot Complete Action...." / "Scores must be current thru Week # " + week + "."
void ShowScoresNotCurrent(UserInterface& ui, int week);

// "Unable to Load the Schedule for Week " + week + "."
void ShowScheduleUnavailable(UserInterface& ui, int week);

// "Unable to Load the Statistics for Week " + week + "." / "Scores must be current thru
// week # " + (week - 1) + "."
void ShowStatisticsUnavailable(UserInterface& ui, int week);

}  // namespace tavrin
