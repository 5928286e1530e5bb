#pragma once
// The league's 31 teams as the demo season names them, and its six divisions by team number.

#include <array>

namespace tavrin::demo {

struct DemoTeam {
  const char* location;  // at most 12 characters, as the pairings print it
  const char* nickname;  // at most 9 characters
};

inline constexpr int DemoTeamCount = 31;

// Team t is DemoTeams()[t - 1].
const std::array<DemoTeam, DemoTeamCount>& DemoTeams();

struct Division {
  int first_team;
  int last_team;
  bool afc;
};

// AFC East, Central, West, then NFC East, Central, West.
const std::array<Division, 6>& Divisions();

// The index in Divisions() of a team's division.
int DivisionOf(int team);

}  // namespace tavrin::demo
