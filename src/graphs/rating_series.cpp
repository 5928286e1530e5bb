#include "graphs/rating_series.h"

#include <algorithm>

#include "season/data_files.h"

namespace tavrin {

namespace {
float RatingOf(const SeasonStore& store, int team) {
  return IsSeasonTeam(store, team) ? static_cast<float>(store.Cqr[team]) : 0.0f;
}
}  // namespace

int LastSeriesBlock(const SeasonStore& store) {
  return std::clamp<int>(store.WeeksInSeason, 0, LastGraphedBlock);
}

void LoadRatingSeries(Session& session) {
  SeasonStore& store = session.store;
  store.RatingSeriesOne.fill(0);
  store.RatingSeriesTwo.fill(0);
  const int last = LastSeriesBlock(store);
  for (int block = 0; block <= last; ++block) {
    if (!LoadStatsBlockNumber(store, session.folder, block)) continue;
    store.RatingSeriesOne[block] = RatingOf(store, store.GraphTeamOne);
    store.RatingSeriesTwo[block] = RatingOf(store, store.GraphTeamTwo);
  }
}

void LeaveOutBlocksToEnterAgain(SeasonStore& store) {
  for (int block = std::max<int>(store.LastScoredWeek, 0) + 1; block <= LastGraphedBlock; ++block) {
    store.RatingSeriesOne[block] = 0;
    store.RatingSeriesTwo[block] = 0;
  }
}

}  // namespace tavrin
