#include "entry/score_entry.h"

#include <gtest/gtest.h>

#include "engine/season_fixture.h"

namespace tavrin {
namespace {

class ScoreEntryTest : public testing::SeasonFixture {
 protected:
  ScoreEntryTest() { store.LastScoredWeek = 17; }

  // Block `block` with predictions for five games and the given scores in game slots 1 and 2.
  void WriteOpeningBlock(int block, int16_t score) {
    FillStartBlock(60.0);
    store.FirstScore[1] = store.FirstScore[2] = score;
    store.SecondScore[1] = store.SecondScore[2] = score;
    for (int game = 1; game <= 5; ++game) SetPick(game, game, 1.5f);
    ASSERT_TRUE(WriteStatsBlock(store, folder.path(), block));
    store.ClearStatistics();
  }

  void ExpectOnlyMessage(const std::string& text) {
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, text);
    EXPECT_EQ(ui.messages[0].caption, "Tavrin");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Exclamation);
  }

  const std::vector<testing::Pairing> seven_games_{{1, 2},  {3, 4},   {5, 6},  {7, 8},
                                                   {9, 10}, {11, 12}, {13, 14}};
};

TEST_F(ScoreEntryTest, OpensWithTheOpeningBlockAndTheWeeksGames) {
  WriteOpeningBlock(2, 21);
  WriteSchedule(3, seven_games_);
  WriteSchedule(4, {{1, 3}});
  ASSERT_TRUE(OpenScoreEntry(session, 3));
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(ui.busy_pointers, 1);
  EXPECT_EQ(store.SelectedWeek, 3);
  EXPECT_EQ(store.WeekGameCount, 7);
  EXPECT_EQ(store.GameFirstTeam[7], 13);
  EXPECT_EQ(store.Cqr[1], 60.0);
}

TEST_F(ScoreEntryTest, RefusesWhenTheScoresAreBehind) {
  WriteSchedule(3, seven_games_);
  WriteSchedule(4, seven_games_);
  EXPECT_FALSE(OpenScoreEntry(session, 3));
  ExpectOnlyMessage("Cannot Complete Action....\n\rScores must be current thru Week # 2.");
  // A week whose first two games were recorded 0-0 counts as not recorded.
  WriteOpeningBlock(2, 0);
  ui.messages.clear();
  EXPECT_FALSE(OpenScoreEntry(session, 3));
  ExpectOnlyMessage("Cannot Complete Action....\n\rScores must be current thru Week # 2.");
  // Week 2's block from before week 1 was processed again no longer opens week 3.
  WriteOpeningBlock(2, 21);
  store.LastScoredWeek = 1;
  ui.messages.clear();
  EXPECT_FALSE(OpenScoreEntry(session, 3));
  ExpectOnlyMessage(
      "Cannot Complete Action....\n\rThe scores of Week # 2 must be entered "
      "again:\n\ran earlier week was processed after them.");
}

TEST_F(ScoreEntryTest, NeedsTheSchedulesOfTheWeekAndTheNext) {
  WriteOpeningBlock(2, 21);
  WriteSchedule(3, seven_games_);
  EXPECT_FALSE(OpenScoreEntry(session, 3));
  ExpectOnlyMessage("Error! Make sure Schedules for Week # 3\n\rand Week # 4 are available.");
  ui.messages.clear();
  WriteOpeningBlock(4, 21);
  WriteSchedule(5, seven_games_);
  EXPECT_FALSE(OpenScoreEntry(session, 5));
  ExpectOnlyMessage("Error! Make sure Schedules for Week # 5\n\rand Week # 6 are available.");
}

TEST_F(ScoreEntryTest, TheLastWeekNeedsOnlyItsOwnSchedule) {
  WriteOpeningBlock(16, 21);
  EXPECT_FALSE(OpenScoreEntry(session, 17));
  ExpectOnlyMessage("Error! Make sure Schedules for Week # 17\n\rand Week # 18 are available.");
  WriteSchedule(17, seven_games_);
  EXPECT_TRUE(OpenScoreEntry(session, 17));
}

TEST_F(ScoreEntryTest, RefusesAWeekOfMoreGamesThanTheWindowHasRows) {
  WriteOpeningBlock(0, 20);
  std::vector<testing::Pairing> sixteen;
  for (int game = 1; game <= 16; ++game) sixteen.push_back({game, game % 15 + 16});
  WriteSchedule(1, sixteen);
  WriteSchedule(2, seven_games_);
  EXPECT_FALSE(OpenScoreEntry(session, 1));
  ExpectOnlyMessage("Week # 1 has 16 games.\n\rScores can be entered for at most 15 games a week.");
}

TEST_F(ScoreEntryTest, RefusesAWeekOutsideTheSeason) {
  for (int week : {0, -1, 18}) {
    ui.messages.clear();
    EXPECT_FALSE(OpenScoreEntry(session, week));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Please enter the week Number.");
  }
}

}  // namespace
}  // namespace tavrin
