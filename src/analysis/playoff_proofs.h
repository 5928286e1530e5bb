#pragma once
// What the rest of the season can no longer change: a division, a play-off place or a
// first-round rest a team holds whatever happens in the games left (ties included), and a
// play-off place it can no longer reach. Sampled odds only estimate; these are proven.

#include <array>
#include <vector>

#include "analysis/season_games.h"
#include "league/season_league.h"
#include "season/league.h"

namespace tavrin {

struct ProvenStages {
  bool division = false;  // the division is won
  bool playoffs = false;  // a play-off place is won
  bool rest = false;      // a first-round rest is won
  bool out_of_division = false;
  bool out_of_rest = false;
  bool out_of_playoffs = false;
  int seed = 0;  // the seed, once the season's seeding is proven; 0 before
};

// The strongest status proven: the legend's words, in the order the odds list them.
enum class OddsStatus { None, ClinchedRest, ClinchedDivision, ClinchedPlayoffs, Eliminated };

OddsStatus StatusOf(const ProvenStages& stages);

using ProvenTable = std::array<ProvenStages, MostLeagueTeams + 1>;

// By team number, in `league`. Two proofs: by records alone, comparing what each team has won
// for certain with the most it can still win; and, once no game is left and `by_seeding` allows
// (the scores are real, not picked), the season's seeding itself, which the league's tie-break
// rules settle unless lots must be drawn.
ProvenTable ProvePlayoffStages(const SeasonLeague& league, const std::vector<SeasonGame>& games,
                               bool by_seeding);

}  // namespace tavrin
