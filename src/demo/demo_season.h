#pragma once
// The demo season, made by the program itself: last season played through from a first-season
// start, the demo year's schedule entered, the new season set up from last season's final
// ratings, and the first weeks of the demo year scored, all through the program's own commands.

#include <cstdint>
#include <filesystem>

#include "platform/user_interface.h"
#include "season/outcome.h"

namespace tavrin::demo {

// Last season's year must be one the settings accept.
inline constexpr int FirstDemoYear = 1998;
inline constexpr int LastDemoYear = 9999;

struct DemoOptions {
  int year = 2000;
  uint64_t seed = 1;
  int weeks_played = 8;  // 0..17 weeks of the demo year scored
};

// Refused with what is wrong with the options when they are not usable.
Outcome<void> CheckDemoOptions(const DemoOptions& options);

// Writes the demo season's files into `folder`, which should be empty: the settings, the names,
// and the schedule and statistics files of the demo year and the year before. Printing and help
// requests go to `ui`; the commands' questions are answered here. A failure names the step
// that failed.
Outcome<void> MakeDemoSeason(const std::filesystem::path& folder, const DemoOptions& options,
                             UserInterface& ui);

}  // namespace tavrin::demo
