#include "demo/first_season_start.h"

#include "engine/prediction.h"
#include "engine/results_processing.h"
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

}  // namespace tavrin::demo
