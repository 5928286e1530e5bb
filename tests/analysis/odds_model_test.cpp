// How the play-off odds play a game: the chance its net points and the home field give.

#include <gtest/gtest.h>

#include "analysis/playoff_odds.h"
#include "engine/win_probability.h"
#include "reports/golden_case.h"

namespace tavrin {
namespace {

// Catches the net points misread (their sign, the halving, the first-games prior) and the home
// field lost or given to the visitor. The one game left decides the division of teams 1 and 2.
TEST(OddsModel, AGameIsWonWithTheChanceItsNetPointsGive) {
  struct Case {
    int home_net, home_games, visitor_net, visitor_games;
    double home_margin;
  };
  const Case cases[] = {
      {0, 0, 0, 0, 2.5},      // even teams: the home field alone
      {100, 9, 0, 9, 7.5},    // 100 net in 9 games is 10 a game with the prior's game
      {0, 4, 50, 4, -2.5},    // a stronger visitor
      {-30, 2, -30, 2, 2.5},  // the same net points cancel
  };
  for (const Case& c : cases) {
    SeasonStore store = testing::LeagueStore(1999);
    store.Wins[1] = static_cast<float>(c.home_games);
    store.PointsScored[1] = static_cast<float>(c.home_net + 200);
    store.PointsAllowed[1] = 200;
    store.Losses[2] = static_cast<int16_t>(c.visitor_games);
    store.PointsScored[2] = static_cast<float>(c.visitor_net);
    OddsOptions options;
    options.runs = 20000;
    const PlayoffOdds odds = SimulatePlayoffOdds(store, {{17, 2, 1}}, 16, options);
    const double favourite = FavouriteWinProbability(std::abs(c.home_margin));
    EXPECT_NEAR(static_cast<double>(odds.teams[1].division) / odds.runs,
                c.home_margin >= 0 ? favourite : 1 - favourite, 0.012)
        << c.home_net << " " << c.visitor_net;
  }
}

}  // namespace
}  // namespace tavrin
