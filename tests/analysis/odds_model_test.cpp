// How the play-off odds play a game: the chance its net points and the home field give.

#include <gtest/gtest.h>

#include <tuple>

#include "analysis/playoff_odds.h"
#include "engine/win_probability.h"
#include "reports/golden_case.h"

namespace tavrin {
namespace {

// Catches the net points misread (their sign, the halving, the first-games prior) and the home
// field lost or given to the visitor. The one game left decides the division of teams 1 and 2.
TEST(OddsModel, AGameIsWonWithTheChanceItsNetPointsGive) {
  // Home net points and games, the visitor's, and the margin: 40 in 3 games is 10 with the prior.
  const std::tuple<int, int, int, int, double> cases[] = {
      {0, 0, 0, 0, 2.5}, {40, 3, 0, 3, 7.5}, {0, 4, 50, 4, -2.5}, {-30, 2, -30, 2, 2.5}};
  for (const auto& [home_net, home_games, visitor_net, visitor_games, home_margin] : cases) {
    SeasonStore store = testing::LeagueStore(1999);
    store.Wins[1] = static_cast<float>(home_games), store.PointsAllowed[1] = 200;
    store.PointsScored[1] = static_cast<float>(home_net + 200);
    store.Losses[2] = static_cast<int16_t>(visitor_games);
    store.PointsScored[2] = static_cast<float>(visitor_net);
    const PlayoffOdds odds =
        SimulatePlayoffOdds(store, {{17, 2, 1}}, 16, {.runs = 20000, .picks = {}});
    const double favourite = FavouriteWinProbability(std::abs(home_margin));
    EXPECT_NEAR(static_cast<double>(odds.teams[1].division) / odds.runs,
                home_margin >= 0 ? favourite : 1 - favourite, 0.012)
        << home_net << " " << visitor_net;
  }
}

}  // namespace
}  // namespace tavrin
