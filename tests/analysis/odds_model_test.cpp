// How the play-off odds play a game: the chance the two teams' form and the home field give, and
// the form moving with each game a run plays.

#include <gtest/gtest.h>

#include <array>

#include "analysis/playoff_odds.h"
#include "engine/win_probability.h"
#include "reports/golden_case.h"

namespace tavrin {
namespace {

double DivisionShare(const PlayoffOdds& odds) { return 1.0 * odds.teams[1].division / odds.runs; }

// Catches the net points or record misread (sides, weights, the even game before the first) and
// the home field lost. The one game left decides the division of teams 1 and 2. Margins by hand:
// 0.6 of the net points per game, 15 points of win share, 2.5 at home; a negative margin gives
// the home side the underdog's chance.
TEST(OddsModel, AGameIsWonWithTheChanceTheTeamsFormGives) {
  struct Case {
    std::array<int, 3> home, visitor;  // net points, won, lost
    double home_margin;
  };
  const Case cases[] = {{{0, 0, 0}, {0, 0, 0}, 2.5},
                        {{40, 3, 0}, {0, 0, 3}, 6 + 11.25 + 2.5},
                        {{0, 2, 2}, {50, 2, 2}, -6 + 2.5},
                        {{-30, 0, 2}, {-30, 2, 0}, -10 + 2.5}};
  for (const Case& c : cases) {
    SeasonStore store = testing::LeagueStore(1999);
    for (const auto& [team, form] : {std::pair{1, c.home}, std::pair{2, c.visitor}}) {
      store.PointsScored[team] = static_cast<float>(form[0] + 200), store.PointsAllowed[team] = 200;
      store.Wins[team] = static_cast<float>(form[1]);
      store.Losses[team] = static_cast<int16_t>(form[2]);
    }
    const PlayoffOdds odds =
        SimulatePlayoffOdds(store, {{17, 2, 1}}, 16, {.runs = 20000, .picks = {}});
    EXPECT_NEAR(DivisionShare(odds), FavouriteWinProbability(c.home_margin), 0.012)
        << c.home_margin;
  }
}

// Team 1 wins the division only by winning both its games; a run in which it wins the first goes
// on with a stronger team 1, so both are won more often than two independent even games at home.
TEST(OddsModel, AGameWonInARunMakesTheWinnerStrongerForTheNext) {
  const PlayoffOdds odds = SimulatePlayoffOdds(testing::LeagueStore(1999), {{16, 2, 1}, {17, 3, 1}},
                                               15, {.runs = 20000, .picks = {}});
  const double independent = FavouriteWinProbability(2.5) * FavouriteWinProbability(2.5);
  EXPECT_GT(DivisionShare(odds), independent + 0.05);
}

}  // namespace
}  // namespace tavrin
