#pragma once
// Accepting the graph team selection: the teams named by the chosen lines of the one or two
// team lists become the graph's teams.

#include <string>

#include "graphs/graph_teams.h"
#include "platform/user_interface.h"
#include "season/season_store.h"

namespace tavrin {

// `first_choice` and `second_choice` are the texts of the lists' selected lines ("" for none;
// the second list counts in two-team mode only). A needed team missing: a beep and false, and
// the window stays for the choice to be completed. The same team twice gives a one-team graph.
bool AcceptGraphTeams(GraphTeams& teams, const SeasonStore& store, UserInterface& ui,
                      const std::string& first_choice, const std::string& second_choice);

}  // namespace tavrin
