#pragma once
// A season's team names: its names file, or, for a season of the 32-team league not yet set up,
// the clubs' own names of its year.

#include <filesystem>

#include "league/season_league.h"
#include "season/season_store.h"

namespace tavrin {

// The league's clubs under their own names, into the store's names.
void TakeLeagueNames(SeasonStore& store, const SeasonLeague& league);

// The names from the folder's names file. A 32-team season whose folder holds no names file
// yet (its year set before New Season Setup writes one) takes its year's own names, so that its
// first week's schedule can be typed. False when neither gives the names.
bool ReadSeasonNames(SeasonStore& store, const std::filesystem::path& folder);

}  // namespace tavrin
