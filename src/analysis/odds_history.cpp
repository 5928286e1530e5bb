#include "analysis/odds_history.h"

#include <memory>

namespace tavrin {

std::optional<std::vector<OddsHistory>> ShowOddsHistory(Session& session,
                                                        const std::vector<int>& teams,
                                                        const OddsOptions& options,
                                                        const OddsProgress& progress) {
  // Each week's odds load that week's block: a copy of the store keeps the caller's.
  auto store = std::make_unique<SeasonStore>(session.store);
  Session scratch{*store, session.ui, session.folder};
  const int last_week = session.store.LastScoredWeek;
  std::vector<OddsHistory> histories;
  for (int team : teams) histories.push_back({team, {}});
  for (int week = 1; week <= last_week; ++week) {
    store->LastScoredWeek = static_cast<int16_t>(week);
    const auto odds = ShowPlayoffOdds(scratch, options);
    if (!odds) return std::nullopt;
    for (OddsHistory& history : histories) {
      const TeamOdds& figures = odds->teams[history.team];
      history.weeks.push_back(
          {week, odds->runs, figures.playoffs, figures.division, odds->proven[history.team]});
    }
    if (progress) progress(week, last_week);
  }
  return histories;
}

}  // namespace tavrin
