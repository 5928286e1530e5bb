#pragma once
// The standings after one week: every team's record and CQR, by conference and division, best
// winning percentage first.

#include <optional>
#include <string>
#include <vector>

#include "platform/session.h"
#include "season/season_store.h"

namespace tavrin {

// The standings after week `week`: loads block `week`.
// Nothing after the scores-not-current message when the block holds no predictions or scores.
std::optional<std::vector<std::string>> ShowStandings(Session& session, int week);

// The listing after week N from the loaded block.
std::vector<std::string> StandingsLines(const SeasonStore& store, int week);

// The print button: nothing for an empty list or on Cancel.
void PrintStandings(Session& session, const std::vector<std::string>& lines);

}  // namespace tavrin
