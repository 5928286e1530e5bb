#pragma once
// The names editor's Save without the window: the checks, the question, the name tables and
// the names file.

#include <string>
#include <string_view>
#include <vector>

#include "platform/session.h"

namespace tavrin {

// The longest location and team name the editor's boxes take.
inline constexpr int MaxLocationLength = 12;
inline constexpr int MaxTeamNameLength = 9;

// A name the names file can hold: its lines are quoted, so no double quote and no line break.
bool NameCanBeStored(std::string_view name);
// Tells the user why a typed name was refused.
void ShowNameRefused(UserInterface& ui);

// locations[i] and team_names[i] are the boxes of team i + 1 (TeamCount of each). Refused: an
// empty or shared name, or one the file cannot hold; NotSaved leaves the tables with the names they
// had.
CommandResult SaveNames(Session& session, const std::vector<std::string>& locations,
                        const std::vector<std::string>& team_names);

}  // namespace tavrin
