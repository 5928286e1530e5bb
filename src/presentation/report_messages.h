#pragma once
// The refusals the views share besides the scores-not-current message (engine/recorded_scores.h).

#include "platform/messages.h"
#include "platform/session.h"
#include "platform/user_interface.h"

namespace tavrin {

// "Unable to Load the Statistics for Week " + week + "." / "Scores must be current thru
// week # " + (week - 1) + "."
void ShowStatisticsUnavailable(UserInterface& ui, int week);

// Reads the week a view lists, with the schedule message when it cannot
// be read; true when the week has a first game to list.
bool ReadWeekToList(Session& session, int week);

}  // namespace tavrin
