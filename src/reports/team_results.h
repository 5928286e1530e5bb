#pragma once
// The team results view: one team's season game by game (pairing, day, stored prediction,
// result, score) and its won-lost-tied record.

#include <optional>
#include <string>
#include <vector>

#include "platform/session.h"

namespace tavrin {

// Accepting the team choice: the team whose TeamName equals the text. Nothing
// when no team matches, which closes the window. Weeks without stored results add no line.
std::optional<std::vector<std::string>> ShowTeamResults(Session& session,
                                                        const std::string& choice_text);

}  // namespace tavrin
