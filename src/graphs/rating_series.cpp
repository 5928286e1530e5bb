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

RatingChartData LoadRatingChart(Session& session, const GraphTeams& teams) {
  SeasonStore& store = session.store;
  RatingChartData chart{teams};
  const int last = LastSeriesBlock(store);
  for (int block = 0; block <= last; ++block) {
    if (!LoadStatsBlockNumber(store, session.folder, block)) continue;
    chart.one[block] = RatingOf(store, teams.one);
    chart.two[block] = RatingOf(store, teams.two);
  }
  return chart;
}

void LeaveOutBlocksToEnterAgain(RatingChartData& chart, int last_scored_week) {
  for (int block = std::max(last_scored_week, 0) + 1; block <= LastGraphedBlock; ++block) {
    chart.one[block] = 0;
    chart.two[block] = 0;
  }
}

}  // namespace tavrin
