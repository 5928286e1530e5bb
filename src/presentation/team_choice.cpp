#include "presentation/team_choice.h"

namespace tavrin {

std::vector<std::string> TeamChoices(const SeasonStore& store) {
  std::vector<std::string> names;
  for (int team = 1; team <= store.TeamCount && IsSeasonTeam(store, team); ++team) {
    names.push_back(store.TeamName[team]);
  }
  return names;
}

int FindTeamByName(const SeasonStore& store, const std::string& text) {
  int found = 0;
  for (int team = 1; team <= store.TeamCount && IsSeasonTeam(store, team); ++team) {
    if (store.TeamName[team] == text) found = team;
  }
  return found;
}

}  // namespace tavrin
