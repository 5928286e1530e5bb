#pragma once
// The season import: a season CSV checked whole, the season computed from it in memory, and
// the season's files replaced together, or nothing changed at all.

#include <functional>
#include <string_view>
#include <vector>

#include "platform/session.h"
#include "season/season_csv.h"
#include "season/season_store.h"

namespace tavrin {

// Saves every week of the CSV as the season's schedule and, unless `schedules_only`, scores
// every week whose games carry scores, week by week as score entry would; the betting lines
// the CSV carries go to the market lines file. `file_name` names the file in the problems,
// which the user is shown all together ("FILE:LINE: what is wrong"). True when the season's
// files were replaced; false, with no file changed and the user told why, otherwise. Scoring
// weeks over a season that already holds scored weeks asks first, unless `replace_confirmed`.
struct ImportChoice {
  bool schedules_only = false;
  bool replace_confirmed = false;
  // How the text is read when it is not the program's own season CSV (the community's games
  // file, read by the caller that knows its league); empty for the season CSV.
  std::function<SeasonCsv(std::string_view text, std::vector<CsvProblem>& problems)> reader;
  // Tells the user what was imported once the files are replaced. A caller that makes the import
  // one step of a larger change tells it itself (ShowSeasonImported) once that change is saved.
  bool tell_imported = true;
};
bool ImportSeason(Session& session, std::string_view file_name, std::string_view text,
                  const ImportChoice& choice);

// "Season 2022 imported from games.csv: 18 weeks of schedules, 18 weeks of scores."
void ShowSeasonImported(UserInterface& ui, int year, std::string_view file_name,
                        std::size_t schedule_weeks, int scored_weeks);

// The scored weeks of the season an import with this choice would replace.
int ScoredWeeksReplaced(const SeasonStore& store, const ImportChoice& choice);

}  // namespace tavrin
