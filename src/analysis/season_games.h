#pragma once
// Every game of the season's schedule, with the scores of the weeks already played: what the
// play-off odds start from.

#include <filesystem>
#include <vector>

#include "season/season_store.h"

namespace tavrin {

struct SeasonGame {
  int week = 0;
  int visitor = 0;  // first-listed team
  int home = 0;     // second-listed team
  bool played = false;
  int visitor_points = 0;  // only for a played game
  int home_points = 0;
};

struct SeasonGames {
  std::vector<SeasonGame> games;
  // A played week whose statistics block could not be read (0: none). Its games are not given:
  // counted as unplayed they would change the standings.
  int unreadable_week = 0;
};

// The games of weeks 1..WeeksInSeason from the schedule file; those of weeks 1..played_through
// carry the scores of their statistics blocks. A game that is not between two different league
// teams is left out. The store is left as it was.
SeasonGames LoadSeasonGames(const SeasonStore& store, const std::filesystem::path& folder,
                            int played_through);

}  // namespace tavrin
