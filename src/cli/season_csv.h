#pragma once
// A season's games as CSV: a header naming at least season, week, slot, day, visitor, home,
// visitor_score and home_score (in any order, other columns ignored), then one row per game.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "entry/schedule_save.h"

namespace tavrin::cli {

struct SeasonGame {
  int slot = 0;
  ScheduledGame game;
  std::string first_score;   // the visitor's score as typed; empty when not played yet
  std::string second_score;  // the home team's
};

struct SeasonCsv {
  int year = 0;
  std::map<int, std::vector<SeasonGame>> weeks;  // by week, each week's games in slot order
};

// Nothing, with `problem` saying why, for a file without the columns, a row that does not
// read, two seasons, or a slot given twice in a week.
std::optional<SeasonCsv> ParseSeasonCsv(const std::vector<std::string>& lines,
                                        std::string& problem);

}  // namespace tavrin::cli
