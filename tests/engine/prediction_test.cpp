#include "engine/prediction.h"

#include <gtest/gtest.h>

#include "engine/season_fixture.h"

namespace tavrin {
namespace {

class PredictGameTest : public ::testing::Test {
 protected:
  PredictGameTest() { store.Weighting = 100; }
  GamePrediction Predict(int a, double cqr_a, int b, double cqr_b) {
    store.Cqr[a] = cqr_a;
    store.Cqr[b] = cqr_b;
    return PredictGame(store, a, b);
  }
  SeasonStore store;
};

TEST_F(PredictGameTest, HomeAdvantageAndCrossGroupAdjustment) {
  // Same group: only the home advantage.
  auto p = Predict(1, 60, 2, 60);
  EXPECT_EQ(p.favourite, 2);
  EXPECT_FLOAT_EQ(p.margin, 1.5f);
  // Lower-group visitor at an upper-group home team: the visitor loses one point more.
  p = Predict(15, 60, 16, 60);
  EXPECT_EQ(p.favourite, 16);
  EXPECT_FLOAT_EQ(p.margin, 2.5f);
  // Upper-group visitor at a lower-group home team: the home team gives the point back.
  p = Predict(16, 60, 15, 60);
  EXPECT_EQ(p.favourite, 15);
  EXPECT_FLOAT_EQ(p.margin, 0.5f);
  // 16 and 17 are both in the upper group.
  p = Predict(16, 60, 17, 60);
  EXPECT_EQ(p.favourite, 17);
  EXPECT_FLOAT_EQ(p.margin, 1.5f);
}

TEST_F(PredictGameTest, PickBandIsComparedInSingle) {
  // A half-rating lead of exactly 0.2 is no lead.
  auto p = Predict(1, 53.4, 2, 50.0);
  EXPECT_EQ(p.favourite, 0);
  EXPECT_EQ(p.margin, 0.0f);
  p = Predict(1, 53.6, 2, 50.0);
  EXPECT_EQ(p.favourite, 1);
  EXPECT_NEAR(p.margin, 0.3f, 1e-5);
  EXPECT_EQ(RoundMargin(p.margin), 0.5f);
  // The same band for the home team: 25.0 against 23.7 + 1.5.
  p = Predict(1, 50.0, 2, 47.4);
  EXPECT_EQ(p.favourite, 0);
  p = Predict(1, 50.0, 2, 47.6);
  EXPECT_EQ(p.favourite, 2);
}

TEST_F(PredictGameTest, MarginCapAndWeighting) {
  // Half-rating difference 20: capped at 17, then weighted.
  auto p = Predict(1, 93.0, 2, 50.0);
  EXPECT_EQ(p.favourite, 1);
  EXPECT_EQ(p.margin, 17.0f);
  store.Weighting = 50;
  EXPECT_EQ(PredictGame(store, 1, 2).margin, 8.5f);
  store.Weighting = 0;
  p = PredictGame(store, 1, 2);
  EXPECT_EQ(p.favourite, 1);
  EXPECT_EQ(p.margin, 0.0f);
}

TEST_F(PredictGameTest, WorkedExample) {
  auto p = Predict(3, 60.0, 20, 50.0);
  EXPECT_EQ(p.favourite, 3);
  EXPECT_EQ(RoundMargin(p.margin), 2.5f);
  store.Weighting = 80;
  EXPECT_EQ(RoundMargin(PredictGame(store, 3, 20).margin), 2.0f);
}

TEST(RoundMarginTest, HalfPointsWithSingleThresholds) {
  EXPECT_EQ(RoundMargin(3.1f), 3.0f);
  EXPECT_EQ(RoundMargin(3.3f), 3.5f);
  EXPECT_EQ(RoundMargin(3.6f), 3.5f);
  EXPECT_EQ(RoundMargin(3.8f), 4.0f);
  EXPECT_EQ(RoundMargin(0.1f), 0.0f);
  // 3.7 held in single lies just above .7; 3.2 just above .2.
  EXPECT_EQ(RoundMargin(3.7f), 4.0f);
  EXPECT_EQ(RoundMargin(3.2f), 3.5f);
  EXPECT_EQ(RoundMargin(0.0f), 0.0f);
  for (float rounded : {2.0f, 2.5f, 17.0f}) EXPECT_EQ(RoundMargin(rounded), rounded);
}

TEST(OverUnderTotalTest, RoundsHalfUp) {
  SeasonStore store;
  store.AveOffense[1] = 20.0f;
  store.AveOffense[2] = 22.0f;
  store.AveDefense[1] = 18.0f;
  store.AveDefense[2] = 21.0f;
  EXPECT_EQ(OverUnderTotal(store, 1, 2), 41);
  store.AveOffense[1] = store.AveOffense[2] = store.AveDefense[1] = 4.5f;
  store.AveDefense[2] = 4.5f;
  EXPECT_EQ(OverUnderTotal(store, 1, 2), 9);
  store.AveDefense[2] = 5.5f;  // T = 9.5
  EXPECT_EQ(OverUnderTotal(store, 1, 2), 10);
}

using PredictNextWeekTest = testing::SeasonFixture;

TEST_F(PredictNextWeekTest, PredictsEveryGameOfTheFollowingWeek) {
  WriteSchedule(5, {{3, 20}, {1, 2}, {16, 15}});
  store.Cqr[3] = 60;
  store.Cqr[20] = 50;
  store.Cqr[1] = store.Cqr[2] = store.Cqr[15] = store.Cqr[16] = 60;
  SetPick(4, 9, 7.5f);
  PredictNextWeek(store, folder.path(), 4);
  EXPECT_EQ(store.PickTeam[1], 3);
  EXPECT_EQ(store.PickMargin[1], 2.5f);
  EXPECT_EQ(store.PickTeam[2], 2);
  EXPECT_EQ(store.PickTeam[3], 15);
  // Slots above the week's games keep what they held.
  EXPECT_EQ(store.PickTeam[4], 9);
  EXPECT_EQ(store.PickMargin[4], 7.5f);
}

TEST_F(PredictNextWeekTest, MissingOrDamagedWeekPredictsNothing) {
  SetPick(1, 7, 3.5f);
  PredictNextWeek(store, folder.path(), 4);
  EXPECT_EQ(store.PickTeam[1], 7);
  EXPECT_EQ(store.PickMargin[1], 3.5f);

  // A record that exists but names a team 45 in its second game.
  std::string record(ScheduleRecordSize, '\0');
  record[0] = 8;
  record[2] = 96;
  const std::string text = "020320145141" + std::string(84, ' ');
  record.replace(4, 96, text);
  testing::WriteFileBytes(folder.path() / ScheduleFileName(1999),
                          std::string(4 * 100, '\0') + record);
  PredictNextWeek(store, folder.path(), 4);
  EXPECT_EQ(store.PickTeam[1], 7);
  EXPECT_EQ(store.PickMargin[1], 3.5f);
}

}  // namespace
}  // namespace tavrin
