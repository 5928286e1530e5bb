#pragma once
// The rating trend graph's data: the CQR of one or two teams in every statistics block.

#include "platform/session.h"
#include "season/season_store.h"

namespace tavrin {

// The series hold blocks 0..20; a longer season is graphed up to block 20.
inline constexpr int LastGraphedBlock = 20;

// The last block the series hold for this season: WeeksInSeason, at most LastGraphedBlock.
int LastSeriesBlock(const SeasonStore& store);

// Fills RatingSeriesOne and RatingSeriesTwo with the Cqr of GraphTeamOne and GraphTeamTwo in
// blocks 0..LastSeriesBlock, reading the blocks one after another; everything else is 0. A
// block that cannot be read, a block never written and a team that is no team (GraphTeamTwo
// in single-team mode) give 0, which the chart does not draw.
void LoadRatingSeries(Session& session);

// Clears the series' blocks beyond the last scored week: blocks left behind when an earlier week
// was scored again no longer follow from the weeks before them, so the graph does not draw them.
void LeaveOutBlocksToEnterAgain(SeasonStore& store);

}  // namespace tavrin
