#pragma once
// Play-off odds through the season: a team's chances as they stood after each played week,
// computed on demand from each week's saved ratings and scores.

#include <optional>
#include <vector>

#include "analysis/playoff_odds.h"
#include "platform/session.h"

namespace tavrin {

struct OddsAfterWeek {
  int week = 0;
  int runs = 0;
  int playoffs = 0;  // runs that reached the stage
  int division = 0;
  ProvenStages proven;
};

struct OddsHistory {
  int team = 0;
  std::vector<OddsAfterWeek> weeks;  // weeks 1 to the last scored, in order
};

// Fewer runs a week than the odds window plays: a chart of seventeen weeks must come quickly,
// and its line does not need the last decimal.
inline constexpr int OddsHistoryRuns = 2000;

// The odds of `teams` (one or two) after every week from 1 to LastScoredWeek; `progress` is told
// the weeks done. Nothing, after the odds' own messages, when a week cannot be read. The
// session's store is left as it was.
std::optional<std::vector<OddsHistory>> ShowOddsHistory(Session& session,
                                                        const std::vector<int>& teams,
                                                        const OddsOptions& options,
                                                        const OddsProgress& progress = {});

}  // namespace tavrin
