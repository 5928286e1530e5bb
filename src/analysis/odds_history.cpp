#include "analysis/odds_history.h"

#include <memory>

#include "analysis/season_games.h"
#include "engine/recorded_scores.h"
#include "presentation/report_messages.h"

namespace tavrin {

std::optional<std::vector<OddsHistory>> ShowOddsHistory(Session& session,
                                                        const std::vector<int>& teams,
                                                        const OddsOptions& options,
                                                        const OddsProgress& progress) {
  const int last_week = session.store.LastScoredWeek;
  // The schedule and every played week's scores are read once; each week then plays the season
  // from its own block, with the weeks after it not yet played.
  const SeasonGames season = LoadSeasonGames(session.store, session.folder, last_week);
  if (season.unreadable_week != 0) {
    ShowStatisticsUnavailable(session.ui, season.unreadable_week + 1);
    return std::nullopt;
  }
  // Each week's odds load that week's block: a copy of the store keeps the caller's.
  auto store = std::make_unique<SeasonStore>(session.store);
  Session scratch{*store, session.ui, session.folder};
  std::vector<OddsHistory> histories;
  for (int team : teams) histories.push_back({team, {}});
  for (int week = 1; week <= last_week; ++week) {
    store->LastScoredWeek = static_cast<int16_t>(week);
    if (!LoadLastScoredBlock(scratch)) return std::nullopt;
    std::vector<SeasonGame> games = season.games;
    for (SeasonGame& game : games) {
      if (game.week > week) game = {game.week, game.visitor, game.home};
    }
    const PlayoffOdds odds = SimulatePlayoffOdds(*store, games, week, options, {});
    for (OddsHistory& history : histories) {
      const TeamOdds& figures = odds.teams[history.team];
      history.weeks.push_back(
          {week, odds.runs, figures.playoffs, figures.division, odds.proven[history.team]});
    }
    if (progress) progress(week, last_week);
  }
  return histories;
}

}  // namespace tavrin
