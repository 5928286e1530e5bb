#include "entry/league_season_start.h"

#include <string>

#include "engine/season_saving.h"
#include "entry/settings_update.h"
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
  for (int team = 1; team <= league.team_count(); ++team) {
    store.LocationName[team] = league.Team(team).location;
    store.TeamName[team] = league.Team(team).nickname;
  }
  SeasonChange change(session.folder);
  return SaveOrTell(session.ui, change,
                    {WriteNames(store, session.folder), WriteSettings(store, session.folder)});
}

}  // namespace tavrin
