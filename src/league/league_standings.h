#pragma once
// The standings and play-off seeds of a league of eight divisions: each division's clubs in
// order, then each conference's seeds (the division winners first, then the wild cards), every
// place with the step that gave it.

#include <array>
#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "league/club_records.h"
#include "league/tiebreak_steps.h"

namespace tavrin {

struct Placement {
  int team = 0;
  Decider decider = Decider::Record;
  std::vector<int> over;  // the clubs still level with it when `decider` parted them
};

struct LeagueStandings {
  std::vector<std::vector<Placement>> divisions;  // in the order of the league's divisions
  std::array<std::vector<Placement>, 2> seeds;    // AFC, NFC; seed 1 first
};

// The index, in `clubs`, of the club a draw gives the place to.
using DrawLots = std::function<std::size_t(std::span<const int> clubs)>;

// A draw that gives the same club every time it is held for the same clubs in the same season,
// so that a season's seeds never change from one run to the next.
DrawLots SeasonDraw(int year);

// The standings of a league of SeedingRules::EightDivisions from its records.
LeagueStandings RankLeague(const ClubRecords& records, const DrawLots& draw);

// "Detroit over Green Bay: conference record", or "record" when no tie had to be broken.
std::string PlacementReason(const SeasonLeague& league, const Placement& placement);

}  // namespace tavrin
