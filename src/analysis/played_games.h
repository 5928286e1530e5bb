#pragma once
// The season's played games as the clubs' records count them, for the seeds, the proofs and the
// odds. Apart from season_games.h, because the scorecard has a PlayedGame of its own.

#include <vector>

#include "analysis/season_games.h"
#include "league/club_records.h"

namespace tavrin {

// The played games among `games`, as the clubs' records count them.
std::vector<PlayedGame> PlayedGamesOf(const std::vector<SeasonGame>& games);

}  // namespace tavrin
