#pragma once
// The league's 31 teams as the demo season names them.

#include <array>
#include <string_view>

#include "season/league.h"

namespace tavrin::demo {

struct DemoTeam {
  std::string_view location;  // at most 12 characters, as the pairings print it
  std::string_view nickname;  // at most 9 characters
};

// Team t is DemoTeams()[t - 1].
const std::array<DemoTeam, LeagueTeamCount>& DemoTeams();

}  // namespace tavrin::demo
