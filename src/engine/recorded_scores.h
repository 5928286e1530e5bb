#pragma once
// The test shared by every command that needs a block with recorded scores, and the message it
// gives when the scores are behind.

#include "platform/user_interface.h"
#include "season/season_store.h"

namespace tavrin {

// After the loader: the block carries predictions and the results of its week (game slots 1 and
// 2 not all four 0).
bool BlockHasRecordedScores(const SeasonStore& store);

// "Cannot Complete Action...." / "Scores must be current thru Week # " + week + ".".
void ShowScoresNotCurrent(UserInterface& ui, int week);

}  // namespace tavrin
