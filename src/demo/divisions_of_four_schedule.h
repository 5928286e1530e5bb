#pragma once
// A season's schedule for the demo of the 32-team league: each team meets its three division
// rivals home and away, every team of a division of its conference and of one of the other
// conference once, and the rest of its games against a third division, with one bye a team.

#include <cstdint>
#include <vector>

#include "demo/demo_schedule.h"

namespace tavrin::demo {

// `games_per_team` (14 to 18) games in one week more than that; the same seed always gives the
// same schedule. Every week closes with a Monday night game; the rest are on Sunday.
std::vector<DemoWeek> MakeDivisionsOfFourSchedule(uint64_t seed, int games_per_team);

}  // namespace tavrin::demo
