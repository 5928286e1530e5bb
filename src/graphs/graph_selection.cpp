#include "graphs/graph_selection.h"

#include "presentation/team_choice.h"

namespace tavrin {

bool AcceptGraphTeams(GraphTeams& teams, const SeasonStore& store, UserInterface& ui,
                      const std::string& first_choice, const std::string& second_choice) {
  teams.one = static_cast<int16_t>(FindTeamByName(store, first_choice));
  teams.two = 0;
  if (teams.one == 0) {
    ui.Beep();
    return false;
  }
  if (teams.mode == GraphTwoTeams) {
    teams.two = static_cast<int16_t>(FindTeamByName(store, second_choice));
    if (teams.two == 0) {
      ui.Beep();
      return false;
    }
  }
  if (teams.one == teams.two) teams.mode = GraphOneTeam;
  return true;
}

}  // namespace tavrin
