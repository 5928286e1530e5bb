#pragma once
// The statistics view: every team's record and figures at one point of the season, sorted by
// CQR, percentage, average offense or average defense.

#include <optional>
#include <string>
#include <vector>

#include "platform/session.h"
#include "season/season_store.h"

namespace tavrin {

// The width of the statistics view's rules and of a team line with usual figures.
inline constexpr int StatisticsLineLength = 76;

// The option buttons of "Sort Teams by...", in their index order.
enum class StatisticsOrder { QualityRating = 0, Percentage = 1, AveOffense = 2, AveDefense = 3 };

// The statistics after week `block` (0: the season's start), the block that opens week
// block + 1: loads the block and lists it by quality rating. Nothing after the
// scores-not-current message when the block holds no predictions or scores.
std::optional<std::vector<std::string>> ShowStatistics(Session& session, int block);

// The listing of the loaded block (which opens week W) in the chosen order; the option buttons
// call it again with the block still loaded.
std::vector<std::string> StatisticsLines(const SeasonStore& store, int week, StatisticsOrder order);

// The print button: nothing for an empty list or on Cancel.
void PrintStatistics(Session& session, const std::vector<std::string>& lines);

}  // namespace tavrin
