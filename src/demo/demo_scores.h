#pragma once
// Final scores for the demo season from a simple drive-by-drive simulation: each team's offense
// and defense set its chances of a touchdown or a field goal on every possession, the home team
// gets a small edge, and a tie after regulation usually goes to sudden-death overtime.

#include <array>
#include <cstdint>

#include "demo/demo_random.h"
#include "demo/demo_teams.h"

namespace tavrin::demo {

struct TeamStrength {
  int offense = 0;  // per-mille change of the touchdown chance on its own possessions
  int defense = 0;  // per-mille cut of the touchdown chance of opposing possessions
};
using LeagueStrengths = std::array<TeamStrength, MostLeagueTeams + 1>;  // slot t for team t

// A league of `teams` uneven teams, drawn from the seed.
LeagueStrengths DrawStrengths(DemoRandom& rng, int teams = LeagueTeamCount);

// The next season's league: every one of its `teams` a little better or worse than it was.
LeagueStrengths NextSeasonStrengths(const LeagueStrengths& last, DemoRandom& rng, int teams);

struct FinalScore {
  int first = 0;   // the visiting team's points
  int second = 0;  // the home team's points
};

// Never 0-0: a scoreless game is settled by an overtime field goal.
FinalScore SimulateGame(const LeagueStrengths& strengths, int visitor, int home, DemoRandom& rng);

}  // namespace tavrin::demo
