#pragma once
// The season export: the season's games as the CSV the import reads, with the program's own
// prediction of each game beside them.

#include <filesystem>
#include <string>

#include "platform/session.h"
#include "season/outcome.h"
#include "season/season_store.h"

namespace tavrin {

// Every scheduled week as "season,week,slot,day,visitor,home,visitor_score,home_score" rows
// (scores for the weeks up to the last scored one, empty after it), then the prediction the
// season held for the game: "favourite" (a team number, 0 for a Pick), "margin" and
// "over_under", empty for a week not yet predicted; then "spread_line" and "total_line" when
// the season has market lines. Loads weeks and blocks into the store as it goes. Refused when a
// file cannot be read or a week the text needs is damaged: an export never leaves a week out.
Outcome<std::string> SeasonCsvText(Session& session);

// Writes SeasonCsvText to `file` in one piece and tells the user the outcome. True when written.
bool ExportSeason(Session& session, const std::filesystem::path& file);

}  // namespace tavrin
