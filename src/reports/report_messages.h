#pragma once
// The refusals the views share besides the scores-not-current message (engine/recorded_scores.h).

#include "platform/user_interface.h"

namespace tavrin {

// "Unable to Load the Schedule for Week " + week + "."
void ShowScheduleUnavailable(UserInterface& ui, int week);

// "Unable to Load the Statistics for Week " + week + "." / "Scores must be current thru
// week # " + (week - 1) + "."
void ShowStatisticsUnavailable(UserInterface& ui, int week);

}  // namespace tavrin
