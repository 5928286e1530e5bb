#include "demo/first_season_start.h"

#include <algorithm>

#include "engine/prediction.h"
#include "engine/results_processing.h"
#include "entry/league_season_start.h"
#include "entry/season_import.h"
#include "league/games_file.h"
#include "season/data_files.h"
#include "season/season_change.h"

namespace tavrin::demo {

bool WriteFirstSeasonStart(Session& session) {
  SeasonStore& store = session.store;
  store.TeamCount = TeamCountOfYear(store.WorkingYear);
  store.ClearStatistics();
  for (int team = 1; team <= store.TeamCount; ++team) {
    store.Cqr[team] = FirstSeasonRating;
    store.AveOffense[team] = FirstSeasonAverage;
    store.AveDefense[team] = FirstSeasonAverage;
  }
  for (int game : {1, 2}) {
    store.FirstScore[game] = FirstSeasonTieScore;
    store.SecondScore[game] = FirstSeasonTieScore;
  }
  PredictNextWeek(store, session.folder, 0);
  RoundStatistics(store);
  store.LastScoredWeek = 0;
  SeasonChange change(session.folder);
  return WriteStatsBlock(store, session.folder, 0) && WriteSettings(store, session.folder) &&
         change.Commit();
}

bool ImportFirstLeagueSeason(Session& session, const SeasonLeague& league,
                             std::string_view file_name, std::string_view text) {
  ImportChoice schedules_only;
  schedules_only.schedules_only = true;
  schedules_only.tell_imported = false;
  schedules_only.reader = [year = league.year](std::string_view games,
                                               std::vector<CsvProblem>& problems) {
    return ReadGamesFile(games, year, problems);
  };
  ImportChoice whole = schedules_only;
  whole.schedules_only = false;
  return StartLeagueSeason(session, league) &&
         ImportSeason(session, file_name, text, schedules_only) && WriteFirstSeasonStart(session) &&
         ImportSeason(session, file_name, text, whole);
}

void ShowFirstSeasonImported(Session& session, std::string_view file_name) {
  const SeasonStore& store = session.store;
  ShowSeasonImported(session.ui, store.WorkingYear, file_name,
                     static_cast<std::size_t>(std::max<int>(store.WeeksInSeason, 0)),
                     std::max<int>(store.LastScoredWeek, 0));
}

}  // namespace tavrin::demo
