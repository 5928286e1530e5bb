#pragma once
// A new season whose league numbers its clubs otherwise than last season's did, as the 32-team
// league of 2002 numbers the clubs of the 31-team league: last season's final block is carried
// club by club, by franchise, and the new season's files are the new league's.

#include <optional>
#include <vector>

#include "league/season_league.h"
#include "platform/session.h"
#include "season/outcome.h"

namespace tavrin {

struct LeagueCrossing {
  int last_team_count = 0;
  SeasonLeague next;
  std::vector<int> former_teams;  // FormerTeams(last season's league, next)
};

// The crossing from the year before `new_year` into it; nothing when both years number their
// clubs alike (or either has no league), and last season's block is then carried as it stands.
std::optional<LeagueCrossing> CrossingInto(int new_year);

// Last season's final block, loaded in last season's numbering, renumbered into the new league's:
// each club's figures move with it, the team numbers in the game slots are renumbered, the game
// slots past last season's league are emptied, and a club new to the league starts from the
// figures of last season's lowest-rated club.
void CarryByFranchise(SeasonStore& store, const LeagueCrossing& crossing);

// The store takes the new league's names from its names file, or, when the folder holds none
// yet, the new year's own names, which are then written to it.
Outcome<void> TakeNewLeagueNames(Session& session, const SeasonLeague& next);

}  // namespace tavrin
