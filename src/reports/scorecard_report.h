#pragma once
// The season scorecard report: the weeks scored so far read back from the data files, and the table
// of how the predictions (and the market's lines, when known) fared.

#include <optional>
#include <string>
#include <vector>

#include "analysis/season_scorecard.h"
#include "platform/session.h"
#include "season/season_store.h"

namespace tavrin {

// Weeks 1..through_week of the season with their stored predictions and recorded results. Nothing
// after the scores-not-current message when a block around one of them lacks its scores, or the
// schedule message when a week cannot be read.
std::optional<std::vector<PlayedGame>> ReadPlayedGames(Session& session, int through_week);

// The scorecard of weeks 1..through_week (the last scored week when 0), with the market beside
// Tavrin when the season's lines file holds lines. A damaged lines file is reported and the market
// left out; nothing after a refusal of ReadPlayedGames.
std::optional<Scorecard> ShowSeasonScorecard(Session& session, int through_week = 0);

// The report: Tavrin's table week by week with the season's line, then the market's table and the
// records against its lines when they are known.
std::vector<std::string> ScorecardLines(const SeasonStore& store, const Scorecard& scorecard);

}  // namespace tavrin
