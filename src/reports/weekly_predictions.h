#pragma once
// The predictions menu: every game of one week with its stored favourite and margin and the
// over/under total, shown in the main window's report list.

#include <optional>
#include <string>
#include <vector>

#include "platform/session.h"
#include "season/season_store.h"

namespace tavrin {

// The predictions of week `week`: reads the week's schedule and the block that opens it. Nothing
// when the week has no games or a message was shown instead.
std::optional<std::vector<std::string>> ShowWeeklyPredictions(Session& session, int week);

// Reads the week's schedule and the block that opens it; false after the schedule or the
// statistics message, or when the week has no games.
bool ReadWeekPredictions(Session& session, int week);

// The listing of the week from the loaded schedule and statistics block.
std::vector<std::string> WeeklyPredictionLines(const SeasonStore& store, int week);

// The print button: nothing for an empty list or on Cancel.
void PrintWeeklyPredictions(Session& session, const std::vector<std::string>& lines);

}  // namespace tavrin
