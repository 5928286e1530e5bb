#include "graphs/graph_selection.h"

#include "presentation/team_choice.h"

namespace tavrin {

bool AcceptGraphTeams(SeasonStore& store, UserInterface& ui, const std::string& first_choice,
                      const std::string& second_choice) {
  store.GraphTeamOne = static_cast<int16_t>(FindTeamByName(store, first_choice));
  store.GraphTeamTwo = 0;
  if (store.GraphTeamOne == 0) {
    ui.Beep();
    return false;
  }
  if (store.GraphMode == GraphTwoTeams) {
    store.GraphTeamTwo = static_cast<int16_t>(FindTeamByName(store, second_choice));
    if (store.GraphTeamTwo == 0) {
      ui.Beep();
      return false;
    }
  }
  if (store.GraphTeamOne == store.GraphTeamTwo) store.GraphMode = GraphOneTeam;
  return true;
}

}  // namespace tavrin
