#pragma once
// How far to trust each prediction of a week: the favourite's chance to win.

#include <optional>
#include <string>
#include <vector>

#include "platform/session.h"
#include "season/season_store.h"

namespace tavrin {

// Week `week`: reads its schedule and the block that opens it, as the predictions listing
// does, with the same refusals.
std::optional<std::vector<std::string>> ShowWinProbabilities(Session& session, int week);

// Every game of the loaded week: the pairing, the stored favourite and margin, and the favourite's
// chance as a percentage with one decimal (50.0% for a Pick).
std::vector<std::string> WinProbabilityLines(const SeasonStore& store, int week);

}  // namespace tavrin
