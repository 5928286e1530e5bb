// The scorecard's figures against a week worked out by hand. Probabilities are taken where the
// normal distribution is known: a margin of one sigma gives 0.8413447, half a sigma 0.6914625.

#include "analysis/season_scorecard.h"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

// Week 1: the home favourite by one sigma wins by 14; the visitor favoured by half a sigma
// loses by 3; a Pick the visitor wins by 7; a home favourite by 3 ties. Week 2: the visitor
// favourite wins; week 3 lies past the scorecard.
const std::vector<PlayedGame> Games{
    {1, 1, 2, 2, 14.5, 40, 10, 24}, {1, 3, 4, 3, 7.25, 45, 17, 20}, {1, 5, 6, 0, 0, 38, 21, 14},
    {1, 7, 8, 8, 3, 41, 20, 20},    {2, 9, 10, 9, 3, 40, 30, 10},   {3, 1, 2, 2, 3, 40, 0, 30},
};
// The market: home by one of its sigmas, the visitor by half of one, no line for the Pick,
// a pick'em line for the tie, and a line for a game never played.
const std::vector<MarketLine> Lines{
    {1, 1, 2, 13.5, 35}, {1, 3, 4, -6.75, 40}, {1, 7, 8, 0.0, 41.5}, {1, 11, 12, 3.0, 40}};

TEST(SeasonScorecard, HandComputedWeek) {
  const Scorecard card = BuildScorecard(Games, Lines, 2);
  ASSERT_EQ(card.weeks.size(), 2u);
  EXPECT_TRUE(card.market_known);
  struct Expected {
    const char* forecaster;
    const ForecastFigures& figures;
    int games, picked, right;
    double margin_error, total_error, brier;
  };
  const Expected table[] = {
      // Errors |14.5-14|, |-7.25-3|, |0+7|, |3-0|; totals 6, 8, 3, 1; the tie has no outcome.
      {"Tavrin", card.weeks[0].tavrin, 4, 2, 1, 20.75 / 4, 18.0 / 4,
       (0.1586553 * 0.1586553 + 0.6914625 * 0.6914625 + 0.25) / 3},
      // Errors |13.5-14|, |-6.75-3|, |0-0|; totals 1, 3, 1.5.
      {"Market", card.weeks[0].market, 3, 2, 1, 10.25 / 3, 5.5 / 3,
       (0.1586553 * 0.1586553 + 0.6914625 * 0.6914625) / 2},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.forecaster);
    EXPECT_EQ(std::tuple(row.figures.games, row.figures.picked, row.figures.right),
              std::tuple(row.games, row.picked, row.right));
    EXPECT_DOUBLE_EQ(row.figures.PickPercentage(), 50.0);
    EXPECT_DOUBLE_EQ(row.figures.MeanMarginError(), row.margin_error);
    EXPECT_DOUBLE_EQ(row.figures.MeanTotalError(), row.total_error);
    EXPECT_NEAR(row.figures.BrierScore(), row.brier, 1e-6);
  }
  // Spread: home side 14.5 > 13.5 covers at 14; visitor side -7.25 < -6.75 fails at +3; the tie
  // lands on the pick'em line. Totals: over 35 fails at 34, over 40 fails at 37, under 41.5
  // comes through at 40.
  EXPECT_EQ(std::tuple(card.against_spread.games, card.against_spread.won, card.on_totals.games,
                       card.on_totals.won, card.tavrin.games, card.tavrin.right, card.market.games),
            std::tuple(2, 1, 3, 1, 5, 2, 3));

  using Percentages = std::vector<std::optional<double>>;
  EXPECT_EQ(CumulativePickPercentages(card, false), (Percentages{50.0, 200.0 / 3}));
  EXPECT_EQ(CumulativePickPercentages(card, true), (Percentages{50.0, 50.0}));
}

TEST(SeasonScorecard, NothingPickedGivesNoPercentageAndNoMarketWithoutLines) {
  const Scorecard card = BuildScorecard({Games[2], Games[3]}, {}, 1);
  EXPECT_FALSE(card.market_known);
  EXPECT_EQ(card.tavrin.picked, 0);
  EXPECT_EQ(card.tavrin.PickPercentage(), 0.0);
  EXPECT_EQ(card.market.MeanMarginError(), 0.0);
  EXPECT_EQ(CumulativePickPercentages(card, false),
            std::vector<std::optional<double>>{std::nullopt});
}

}  // namespace
}  // namespace tavrin
