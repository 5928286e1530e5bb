#include "entry/new_season.h"

#include <gtest/gtest.h>

#include "engine/season_fixture.h"

namespace tavrin {
namespace {

const char* const Question =
    "This function processes the Statistics from \n\rlast season, with the new schedule to "
    "produce\n\rpredictions for the first week of the new season.\n\r\n\rThe following "
    "conditions must be met to continue!\n\r\n\r 1. All scores were recorded for last "
    "season.\n\r 2. The Working year number in the Program\n\r     Settings section has been "
    "updated for\n\r     the new season.\n\r 3. The schedule has been entered for the first\n\r"
    "     two weeks of the new season.\n\r\n\r     CONTINUE?          Select 'NO' to Exit";

const char* const WeeksPrompt =
    "Enter the number of weeks in the '1999\n\r(last) season including 'bye' weeks.\n\rThis "
    "info is needed for accessing the\n\rlast regular season weekly statistic record.";

class NewSeasonTest : public testing::SeasonFixture {
 protected:
  NewSeasonTest() {
    // Last season's block 17, with predictions and results.
    FillStartBlock(60);
    for (int game = 1; game <= 5; ++game) SetPick(game, game, 2.5f);
    EXPECT_TRUE(WriteStatsBlock(store, folder.path(), 17));
    store.WorkingYear = 2000;
    store.LastScoredWeek = 17;
    store.ClearStatistics();
  }

  std::filesystem::path NewStatsFile() const { return folder.path() / StatisticsFileName(2000); }
};

// The block it writes, ratings carried and week 1 predicted, is the 2000 golden replay's.
TEST_F(NewSeasonTest, AsksThenStartsTheSeasonBeforeWeekOne) {
  WriteSchedule(1, {{1, 2}});
  ui.inputs.push_back("17");
  ASSERT_EQ(RunNewSeasonSetup(session), CommandResult::Done);
  ASSERT_EQ(ui.questions.size(), 1u);
  EXPECT_EQ(ui.questions[0].text, Question);
  EXPECT_EQ(ui.questions[0].icon, MessageIcon::Critical);
  EXPECT_EQ(ui.questions[0].default_button, DefaultButton::Second);
  EXPECT_TRUE(ui.questions[0].yes_no);
  ASSERT_EQ(ui.input_prompts.size(), 1u);
  EXPECT_EQ(ui.input_prompts[0], WeeksPrompt);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(store.LastScoredWeek, 0);
  SeasonStore settings;
  ASSERT_TRUE(ReadSettings(settings, folder.path()));
  EXPECT_EQ(settings.LastScoredWeek, 0);
}

TEST_F(NewSeasonTest, NoOrCancelChangesNothing) {
  ui.answers.push_back(false);
  EXPECT_EQ(RunNewSeasonSetup(session), CommandResult::Declined);
  EXPECT_TRUE(ui.input_prompts.empty());
  ui.inputs.push_back(std::nullopt);
  EXPECT_EQ(RunNewSeasonSetup(session), CommandResult::Declined);
  ui.inputs.push_back("");
  EXPECT_EQ(RunNewSeasonSetup(session), CommandResult::Declined);
  EXPECT_EQ(store.WorkingYear, 2000);
  EXPECT_EQ(store.LastScoredWeek, 17);
  EXPECT_FALSE(std::filesystem::exists(NewStatsFile()));
  EXPECT_FALSE(std::filesystem::exists(folder.path() / SettingsFileName));
}

TEST_F(NewSeasonTest, AsksAgainUntilTheWeeksLieBetweenFourteenAndNineteen) {
  WriteSchedule(1, {{1, 2}});
  for (const char* answer : {"13", "20", "abc", "19.6", "14"}) ui.inputs.push_back(answer);
  // 14 weeks: block 14 of last season was never written.
  EXPECT_EQ(RunNewSeasonSetup(session), CommandResult::Refused);
  EXPECT_EQ(ui.beeps, 4);
  EXPECT_EQ(ui.input_prompts.size(), 5u);
  EXPECT_EQ(ui.OnlyMessage(),
            "Cannot Complete Action....\n\rScores must be current thru Week # 14.");
  EXPECT_EQ(store.WorkingYear, 2000);
  EXPECT_FALSE(std::filesystem::exists(NewStatsFile()));
}

TEST_F(NewSeasonTest, NeedsTheNewSeasonsFirstWeek) {
  ui.inputs.push_back("17");
  const auto last_season_file = folder.path() / StatisticsFileName(1999);
  const std::string last_season = testing::ReadFileBytes(last_season_file);
  EXPECT_EQ(RunNewSeasonSetup(session), CommandResult::Refused);
  ASSERT_EQ(ui.OnlyMessage(), "Error! Schedule for Week # 1\n\rnot available.");
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_FALSE(std::filesystem::exists(NewStatsFile()));
  EXPECT_EQ(testing::ReadFileBytes(last_season_file), last_season);
}

TEST_F(NewSeasonTest, RunningAgainRewritesOnlyBlockZero) {
  WriteSchedule(1, {{1, 2}});
  FillStartBlock(70);
  ASSERT_TRUE(WriteStatsBlock(store, folder.path(), 1));
  const std::string block_one = testing::ReadFileBytes(NewStatsFile()).substr(31 * StatsRecordSize);
  ui.inputs.push_back("17");
  ASSERT_EQ(RunNewSeasonSetup(session), CommandResult::Done);
  EXPECT_EQ(testing::ReadFileBytes(NewStatsFile()).substr(31 * StatsRecordSize), block_one);
}

}  // namespace
}  // namespace tavrin
