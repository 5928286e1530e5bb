#include "engine/prediction.h"

#include <gtest/gtest.h>

#include "season/season_store.h"

namespace tavrin {
namespace {

// Catches a wrong home advantage, group adjustment, pick band, margin cap or weighting.
TEST(PredictGame, FavouriteAndMarginFromTheRatings) {
  // visitor, home, favourite, the visitor's and the home team's ratings, weighting, margin
  const std::tuple<int, int, int, double, double, float, float> cases[] = {
      {15, 16, 16, 60, 60, 100, 2.5f},   // lower-group visitor at an upper-group home: one more
      {16, 17, 17, 60, 60, 100, 1.5f},   // 16 and 17 are both in the upper group
      {1, 2, 0, 53.4, 50.0, 100, 0.0f},  // a half-rating lead of exactly 0.2 is no lead
      {1, 2, 1, 53.6, 50.0, 100, 0.3f},
      {1, 2, 0, 50.0, 47.4, 100, 0.0f},  // the same band for the home team
      {1, 2, 2, 50.0, 47.6, 100, 0.3f},
      {1, 2, 1, 93.0, 50.0, 100, 17.0f},  // half-rating difference 20: capped at 17
      {1, 2, 1, 93.0, 50.0, 50, 8.5f},    // then weighted
      {3, 20, 3, 60.0, 50.0, 80, 2.0f},   // 2.5 from the groups and home advantage, weighted
  };
  for (const auto& [visitor, home, favourite, visitor_cqr, home_cqr, weighting, margin] : cases) {
    SCOPED_TRACE(::testing::Message() << visitor << " at " << home << ", " << visitor_cqr << " to "
                                      << home_cqr << ", weighted " << weighting);
    SeasonStore store;
    store.Weighting = weighting;
    store.Cqr[visitor] = visitor_cqr;
    store.Cqr[home] = home_cqr;
    const GamePrediction p = PredictGame(store, visitor, home);
    EXPECT_EQ(p.favourite, favourite);
    EXPECT_NEAR(p.margin, margin, 1e-5);
  }
}

// Catches a moved half-point band: thresholds are compared in single precision.
TEST(RoundMargin, HalfPointsWithSingleThresholds) {
  const float cases[][2] = {{3.1f, 3.0f}, {3.3f, 3.5f}, {3.6f, 3.5f}, {3.8f, 4.0f},
                            {0.1f, 0.0f}, {3.7f, 4.0f}, {3.2f, 3.5f}, {0.0f, 0.0f},
                            {0.3f, 0.5f}, {0.7f, 0.5f}, {2.5f, 2.5f}, {17.0f, 17.0f}};
  for (const auto& c : cases) EXPECT_EQ(RoundMargin(c[0]), c[1]) << c[0];
}

}  // namespace
}  // namespace tavrin
