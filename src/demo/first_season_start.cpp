#include "demo/first_season_start.h"

#include "engine/prediction.h"
#include "engine/results_processing.h"
#include "season/data_files.h"

namespace tavrin::demo {

bool WriteFirstSeasonStart(Session& session) {
  SeasonStore& store = session.store;
  store.TeamCount = LeagueTeamCount;
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
  store.SelectedWeek = 0;
  PredictNextWeek(store, session.folder, 0);
  RoundStatistics(store);
  if (!WriteStatsBlock(store, session.folder, 0)) return false;
  store.LastScoredWeek = 0;
  return WriteSettings(store, session.folder);
}

}  // namespace tavrin::demo
