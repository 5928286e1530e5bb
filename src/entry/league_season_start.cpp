#include "entry/league_season_start.h"

#include <string>

#include "engine/season_saving.h"
#include "entry/settings_update.h"
#include "league/league_names.h"
#include "season/data_files.h"
#include "season/season_change.h"

namespace tavrin {

namespace {

constexpr int NewSeasonPercent = 100;

}  // namespace

bool StartLeagueSeason(Session& session, const SeasonLeague& league) {
  const SettingsForm form{std::to_string(league.year), std::to_string(league.weeks),
                          NewSeasonPercent, NewSeasonPercent};
  if (!TakeSettingsForm(session, form)) return false;
  SeasonStore& store = session.store;
  TakeLeagueNames(store, league);
  SeasonChange change(session.folder);
  return SaveOrTell(session.ui, change,
                    {WriteNames(store, session.folder), WriteSettings(store, session.folder)});
}

}  // namespace tavrin
