#pragma once
// The score entry command: the checks that let the score entry window open for week W.

#include "platform/session.h"

namespace tavrin {

// The window has rows for this many games.
inline constexpr int MaxScoredGames = 15;

// Loads the block that opens week `week` and week `week`'s schedule into the store (checking
// that the next week's schedule exists too) and tells the user when scoring cannot start.
// True when the window may open with one row per game of the loaded week.
bool OpenScoreEntry(Session& session, int week);

}  // namespace tavrin
