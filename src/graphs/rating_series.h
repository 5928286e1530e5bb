#pragma once
// The rating trend graph's data: the CQR of one or two teams in every statistics block.

#include <array>

#include "graphs/graph_teams.h"
#include "platform/session.h"
#include "season/season_store.h"

namespace tavrin {

// The series hold blocks 0..20; a longer season is graphed up to block 20.
inline constexpr int LastGraphedBlock = 20;

using RatingSeries = std::array<float, MaxTeamSlot + 1>;

// What one chart shows: its teams and their ratings block by block.
struct RatingChartData {
  GraphTeams teams;
  RatingSeries one{};
  RatingSeries two{};
};

// The last block the series hold for this season: WeeksInSeason, at most LastGraphedBlock.
int LastSeriesBlock(const SeasonStore& store);

// The chart of `teams`: the Cqr of each in blocks 0..LastSeriesBlock, reading the blocks one after
// another; everything else is 0. A block that cannot be read, a block never written and a team
// that is no team (the second in one-team mode) give 0, which the chart does not draw.
RatingChartData LoadRatingChart(Session& session, const GraphTeams& teams);

// Clears the series' blocks beyond the last scored week: blocks left behind when an earlier week
// was scored again no longer follow from the weeks before them, so the graph does not draw them.
void LeaveOutBlocksToEnterAgain(RatingChartData& chart, int last_scored_week);

}  // namespace tavrin
