#include "league/league_names.h"

#include <system_error>

#include "season/data_files.h"

namespace tavrin {

void TakeLeagueNames(SeasonStore& store, const SeasonLeague& league) {
  for (int team = 1; team <= league.team_count(); ++team) {
    store.LocationName[team] = league.Team(team).location;
    store.TeamName[team] = league.Team(team).nickname;
  }
}

bool ReadSeasonNames(SeasonStore& store, const std::filesystem::path& folder) {
  if (ReadNames(store, folder)) return true;
  std::error_code error;
  const auto league = LeagueOf(store.WorkingYear);
  if (SeasonTeamCount(store) != MostLeagueTeams || !league ||
      league->team_count() != MostLeagueTeams ||
      std::filesystem::exists(folder / ThirtyTwoTeamNamesFileName, error) || error) {
    return false;
  }
  TakeLeagueNames(store, *league);
  return true;
}

}  // namespace tavrin
