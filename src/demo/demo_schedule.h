#pragma once
// A season's schedule for the demo: 17 weeks in which each of the 31 teams plays 16 games and
// has one bye, meets its division rivals home and away, and plays the rest of its games against
// teams of other divisions once each. Most games are on Sunday, every week closes with a Monday
// night game, and the late season adds Thanksgiving Thursday and Saturday games.

#include <cstdint>
#include <vector>

namespace tavrin::demo {

struct DemoGame {
  int first = 0;   // the visiting team, listed first
  int second = 0;  // the home team
  int day = 1;     // day code: 1 Sunday, 2 Monday, 5 Thursday, 7 Saturday
};
using DemoWeek = std::vector<DemoGame>;

inline constexpr int DemoWeekCount = 17;
inline constexpr int DemoGamesPerTeam = 16;

// Week w is element w - 1. The same seed always gives the same schedule; empty only if no
// schedule could be built, which no seed has been seen to do.
std::vector<DemoWeek> MakeDemoSchedule(uint64_t seed);

}  // namespace tavrin::demo
