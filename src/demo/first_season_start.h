#pragma once
// The block 0 of a league's first season, which has no last season to carry ratings from:
// every team rated 60.0 with average offense and defense 20.0 and no record, game slots 1 and 2
// holding a 20-20 tie as the week before's results so that score entry for week 1 opens, and
// week 1 predicted from these ratings, rounded and written as block 0, the last scored week 0.

#include <string_view>

#include "league/season_league.h"
#include "platform/session.h"
#include "season/season_store.h"

namespace tavrin::demo {

inline constexpr double FirstSeasonRating = 60.0;
inline constexpr float FirstSeasonAverage = 20.0f;
inline constexpr int16_t FirstSeasonTieScore = 20;

// Needs the settings in the store and week 1's schedule in the season's schedule file.
// False when block 0 or the settings file could not be written.
bool WriteFirstSeasonStart(Session& session);

// A season of `league`'s year made from the community's games file `text` (named `file_name`
// in the problems) in a folder without one: the league's settings and names, every week's
// schedule, this start, then the scores week by week. The caller holds the change that keeps
// or drops it all. False, with the user told why, at the first step that failed.
// Its steps say nothing of success: once the caller's change is saved, ShowFirstSeasonImported
// tells the user what was imported, once.
bool ImportFirstLeagueSeason(Session& session, const SeasonLeague& league,
                             std::string_view file_name, std::string_view text);
// "Season 2022 imported from games.csv: 18 weeks of schedules, 18 weeks of scores." for the
// season in the store.
void ShowFirstSeasonImported(Session& session, std::string_view file_name);

}  // namespace tavrin::demo
