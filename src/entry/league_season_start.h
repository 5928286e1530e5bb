#pragma once
// A new season of a year's league in a folder that holds none: the settings of its year and
// season length, and the league's own names for its teams.

#include "league/season_league.h"
#include "platform/session.h"

namespace tavrin {

// The store takes the settings and names of `league`'s season (its weeks, the reactivity and
// weighting a new season starts at) and both files are written together, in the change open on
// the folder if there is one. False, with the user told why, when they could not be.
bool StartLeagueSeason(Session& session, const SeasonLeague& league);

}  // namespace tavrin
