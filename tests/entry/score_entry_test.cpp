#include "entry/score_entry.h"

#include <fmt/format.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

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

  const std::vector<testing::Pairing> seven_games_{{1, 2},  {3, 4},   {5, 6},  {7, 8},
                                                   {9, 10}, {11, 12}, {13, 14}};
};

// Catches a week opened with scores behind, a block left behind by an earlier week, a schedule
// missing, more games than rows, or a week outside the season.
TEST_F(ScoreEntryTest, RefusesAWeekItCannotOpen) {
  const std::string behind = "Cannot Complete Action....\n\rScores must be current thru Week # 2.";
  std::vector<testing::Pairing> sixteen;
  for (int game = 1; game <= 16; ++game) sixteen.push_back({game, game % 15 + 16});
  const std::tuple<std::function<void()>, int, std::string> cases[] = {
      // files, week, refusal
      {[&] { WriteSchedule(4, seven_games_); }, 3, behind},
      // A week whose first two games were recorded 0-0 counts as not recorded.
      {[&] { WriteOpeningBlock(2, 0), WriteSchedule(4, seven_games_); }, 3, behind},
      // Week 2's block from before week 1 was processed again no longer opens week 3.
      {[&] { WriteOpeningBlock(2, 21), store.LastScoredWeek = 1, WriteSchedule(4, seven_games_); },
       3,
       "Cannot Complete Action....\n\rThe scores of Week # 2 must be entered "
       "again:\n\ran earlier week was processed after them."},
      {[&] { WriteOpeningBlock(2, 21); }, 3,
       "Error! Make sure Schedules for Week # 3\n\rand Week # 4 are available."},
      {[&] { WriteOpeningBlock(16, 21); }, 17,
       "Error! Make sure Schedules for Week # 17\n\rand Week # 18 are available."},
      {[&] { WriteOpeningBlock(0, 20), WriteSchedule(1, sixteen), WriteSchedule(2, seven_games_); },
       1, "Week # 1 has 16 games.\n\rScores can be entered for at most 15 games a week."},
      {[] {}, 0, "Please enter the week Number."},
      {[] {}, 18, "Please enter the week Number."},
  };
  for (const auto& [lay_down, week, message] : cases) {
    SCOPED_TRACE(message);
    std::filesystem::remove_all(folder.path());
    std::filesystem::create_directories(folder.path());
    store.LastScoredWeek = 17;
    ui.messages.clear();
    WriteSchedule(3, seven_games_);
    lay_down();
    EXPECT_FALSE(OpenScoreEntry(session, week));
    EXPECT_EQ(ui.OnlyMessage(), message);
  }
  // The last week needs only its own schedule; it opens with the block before it.
  WriteOpeningBlock(16, 21);
  WriteSchedule(17, seven_games_);
  ASSERT_TRUE(OpenScoreEntry(session, 17));
  EXPECT_EQ(store.WeekGameCount, 7);
  EXPECT_EQ(store.GameFirstTeam[7], 13);
  EXPECT_EQ(store.Cqr[1], 60.0);
}

TEST_F(ScoreEntryTest, AnEarlierWeekAsksFirstNamingTheWeeksToEnterAgain) {
  FillStartBlock(60.0);
  WriteSchedule(7, {{1, 2}});
  LoadSchedule(7);
  for (const auto& [last, later] : {std::pair(9, "weeks 8 to 9"), std::pair(8, "week 8")}) {
    store.LastScoredWeek = static_cast<int16_t>(last);
    ui.questions.clear();
    ui.answers = {false};
    EXPECT_EQ(EnterScores(session, 7, {{"17", "14"}}), CommandResult::Declined);
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].text, fmt::format("Week 7 comes before the last scored week, {}.\n\r"
                                                "After processing it, the scores of {} must be "
                                                "entered again.\n\rProcess week 7 anyway?",
                                                last, later));
    EXPECT_EQ(ui.questions[0].default_button, DefaultButton::Second);
    EXPECT_TRUE(StatsFileBytes().empty());
  }
  ASSERT_EQ(EnterScores(session, 7, {{"17", "14"}}), CommandResult::Done);
  EXPECT_EQ(ui.questions.size(), 2u);  // the processing itself asks nothing
  EXPECT_EQ(store.LastScoredWeek, 7);
}

}  // namespace
}  // namespace tavrin
