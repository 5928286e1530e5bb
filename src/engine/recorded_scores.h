#pragma once
// The test shared by every command that needs a block with recorded scores, and the message it
// gives when the scores are behind.

#include <filesystem>

#include "platform/session.h"
#include "platform/user_interface.h"
#include "season/season_store.h"

namespace tavrin {

// The loaded block carries the results of its week (game slots 1 and 2 not all four 0).
bool BlockHasRecordedScores(const SeasonStore& store);

// Processing a week earlier than the last scored one leaves the blocks after it in the file with
// figures that no longer follow from the weeks before them: a block beyond LastScoredWeek that
// holds scores is one of those.
bool BlockLeftBehind(const SeasonStore& store, int block);

// Loads block `block` for a view that needs it: the damaged-file message when the block cannot
// be read, the scores-not-current message naming `current_week` when it has no predictions or
// scores, the enter-again message when it was left behind. True when the block can be shown.
bool LoadBlockToShow(Session& session, int block, int current_week);

// Loads the block of the last scored week (block LastScoredWeek), for the views that
// start from the latest ratings; the scores-not-current message when it has no scores. True when
// the block can be used.
bool LoadLastScoredBlock(Session& session);

// "TVSt2000.dat is damaged at week 6: ..." when block `block` of the statistics file exists but
// cannot be read; true when it was shown.
bool ShowWhenStatsBlockDamaged(Session& session, int block);
// The same for a week's record of the schedule file ("TVSC2000.dat is damaged at week 6: ...").
bool ShowWhenScheduleWeekDamaged(Session& session, int week);

// "Cannot Complete Action...." / "The scores of Week # " + week + " must be entered again.".
void ShowScoresToEnterAgain(UserInterface& ui, int week);

// Week `week` has results in the statistics file that count: it is not beyond the last scored
// week and its block carries scores. Reads the block without touching the store.
bool WeekHasBeenScored(const SeasonStore& store, const std::filesystem::path& folder, int week);

// "Cannot Complete Action...." / "Scores must be current thru Week # " + week + ".".
void ShowScoresNotCurrent(UserInterface& ui, int week);

}  // namespace tavrin
