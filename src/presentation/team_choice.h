#pragma once
// The team box of the team schedule and team results views: a drop-down list of the teams'
// names, accepted by its text.

#include <string>
#include <vector>

#include "season/season_store.h"

namespace tavrin {

// The box's text before a choice; accepting it unchanged chooses no team.
inline constexpr const char* SelectTeamPrompt = "      Select Team";

// TeamName of every team in team-number order.
std::vector<std::string> TeamChoices(const SeasonStore& store);

// The team whose TeamName equals the text exactly (the highest-numbered of equal names); 0
// when none does.
int FindTeamByName(const SeasonStore& store, const std::string& text);

}  // namespace tavrin
