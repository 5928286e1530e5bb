// The checks before a view opens: missing schedules, blocks without predictions or scores.

#include <gtest/gtest.h>

#include <algorithm>

#include "reports/golden_case.h"
#include "reports/schedule_views.h"
#include "reports/statistics_view.h"
#include "reports/team_results.h"
#include "reports/weekly_predictions.h"
#include "reports/weekly_results.h"

namespace tavrin {
namespace {

class Refusals : public ::testing::Test {
 protected:
  Refusals() {
    store.TeamCount = 31;
    store.WorkingYear = 2001;
    store.WeeksInSeason = 3;
    store.LastScoredWeek = 3;
    testing::SetDayNames(store);
    for (int team = 1; team <= 31; ++team) {
      store.TeamName[team] = "T" + std::to_string(team);
      store.LocationName[team] = "L" + std::to_string(team);
    }
  }

  void WriteWeek(int week) {
    store.WeekGameCount = 1;
    store.GameFirstTeam[1] = 1, store.GameSecondTeam[1] = 2, store.GameDay[1] = 1;
    ASSERT_TRUE(WriteScheduleWeek(store, folder.path(), week));
  }
  // A block with predictions in slot 1, and scores in slot 1 when `scored`.
  void WriteBlock(int block, bool scored) {
    store.ClearStatistics();
    store.PickTeam[1] = 2, store.PickMargin[1] = 3;
    if (scored) store.FirstScore[1] = 10, store.SecondScore[1] = 13, store.GameWinner[1] = 2;
    ASSERT_TRUE(WriteStatsBlock(store, folder.path(), block));
  }
  std::string Message(std::size_t index = 0) const {
    return index < ui.messages.size() ? ui.messages[index].text : "(none)";
  }

  testing::TempFolder folder;
  SeasonStore store;
  testing::ScriptedUi ui;
  Session session{store, ui, folder.path()};
};

TEST_F(Refusals, PredictionsNeedScheduleThenPredictions) {
  EXPECT_FALSE(ShowWeeklyPredictions(session, 1).has_value());
  EXPECT_EQ(Message(), "Unable to Load the Schedule for Week 2.");
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::Exclamation);
  WriteWeek(2);
  EXPECT_FALSE(ShowWeeklyPredictions(session, 1).has_value());
  EXPECT_EQ(Message(1),
            "Unable to Load the Statistics for Week 2.\n\rScores must be current thru week # 1.");
  WriteBlock(1, false);
  EXPECT_TRUE(ShowWeeklyPredictions(session, 1).has_value());
  EXPECT_EQ(ui.messages.size(), 2u);
}

TEST_F(Refusals, WeeklyScheduleOfAMissingOrDamagedWeek) {
  EXPECT_FALSE(ShowWeeklySchedule(session, 0).has_value());
  EXPECT_EQ(Message(), "Unable to Load the Schedule for Week 1.");
  WriteWeek(1);
  const auto file = folder.path() / ScheduleFileName(2001);
  std::string bytes = testing::ReadFileBytes(file);
  bytes[6] = 'x';  // the first team of game 1
  testing::WriteFileBytes(file, bytes);
  EXPECT_FALSE(ShowWeeklySchedule(session, 0).has_value());
  EXPECT_EQ(Message(1),
            "TVSC2001.dat is damaged at week 1: its games for that week cannot be read.\n\r"
            "Save the schedule of week 1 again in schedule entry.");
}

TEST_F(Refusals, ResultsNameTheWeekWithoutScores) {
  WriteWeek(2);
  WriteBlock(2, true);  // results of week 2, none of week 1
  EXPECT_FALSE(ShowWeeklyResults(session, 1).has_value());
  EXPECT_EQ(Message(), "Cannot Complete Action....\n\rScores must be current thru Week # 1.");
  WriteBlock(1, true);
  WriteBlock(2, false);
  EXPECT_FALSE(ShowWeeklyResults(session, 1).has_value());
  EXPECT_EQ(Message(1), "Cannot Complete Action....\n\rScores must be current thru Week # 2.");
  WriteBlock(2, true);
  EXPECT_TRUE(ShowWeeklyResults(session, 1).has_value());
  WriteWeek(3);
  WriteBlock(3, true);
  EXPECT_TRUE(ShowWeeklyResults(session, 2).has_value());
  EXPECT_EQ(ui.messages.size(), 2u);
}

TEST_F(Refusals, ResultsOfAWeekWithoutSchedule) {
  WriteBlock(0, true);
  WriteBlock(1, true);
  EXPECT_FALSE(ShowWeeklyResults(session, 0).has_value());
  EXPECT_EQ(Message(), "Unable to Load the Schedule for Week 1.");
}

TEST_F(Refusals, StatisticsOfABlockWithoutScores) {
  WriteBlock(0, false);
  EXPECT_FALSE(ShowStatistics(session, 0).has_value());
  EXPECT_EQ(Message(), "Cannot Complete Action....\n\rScores must be current thru Week # 0.");
}

// After an earlier week was processed again, the later blocks still hold their old figures.
TEST_F(Refusals, WeeksLeftBehindMustBeEnteredAgain) {
  WriteWeek(1), WriteWeek(2), WriteWeek(3);
  for (int block = 0; block <= 3; ++block) WriteBlock(block, true);
  store.LastScoredWeek = 1;
  const std::string again =
      "Cannot Complete Action....\n\rThe scores of Week # 2 must be entered "
      "again:\n\ran earlier week was processed after them.";
  EXPECT_TRUE(ShowWeeklyResults(session, 0).has_value());
  EXPECT_TRUE(ShowStatistics(session, 1).has_value());
  EXPECT_TRUE(ShowWeeklyPredictions(session, 1).has_value());  // from block 1
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_FALSE(ShowWeeklyResults(session, 1).has_value());
  EXPECT_FALSE(ShowStatistics(session, 2).has_value());
  EXPECT_FALSE(ShowWeeklyPredictions(session, 2).has_value());
  ASSERT_EQ(ui.messages.size(), 3u);
  for (const auto& message : ui.messages) EXPECT_EQ(message.text, again);
  const auto results = ShowTeamResults(session, "T2");
  ASSERT_TRUE(results.has_value());
  EXPECT_NE(std::find(results->begin(), results->end(),
                      " 2 The scores of this week must be entered again."),
            results->end());
}

// A block that cannot be read is named with its file, not taken for scores not yet entered.
TEST_F(Refusals, ADamagedBlockIsNamedWithItsFile) {
  WriteWeek(2);
  WriteBlock(0, true);
  WriteBlock(1, true);
  store.PickTeam[1] = 40;  // no team: a damaged record
  ASSERT_TRUE(WriteStatsBlock(store, folder.path(), 1));
  const std::string damaged =
      "TVSt2001.dat is damaged at week 1: its figures for that week "
      "cannot be read.\n\rEnter the scores of week 1 again to write "
      "them anew.";
  EXPECT_FALSE(ShowStatistics(session, 1).has_value());
  EXPECT_FALSE(ShowWeeklyPredictions(session, 1).has_value());
  EXPECT_TRUE(ShowStatistics(session, 0).has_value());  // the weeks before it still show
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(Message(0), damaged);
  EXPECT_EQ(Message(1), damaged);
  // A file that ends inside a block is damaged there too.
  WriteBlock(1, true);
  const auto file = folder.path() / StatisticsFileName(2001);
  std::filesystem::resize_file(file, 31 * StatsRecordSize + 20);
  ui.messages.clear();
  EXPECT_FALSE(ShowStatistics(session, 1).has_value());
  EXPECT_EQ(Message(), damaged);
}

// Weeks without stored results or schedules add no line; a team without any result says so.
TEST_F(Refusals, TeamViewsSkipWhatIsMissing) {
  EXPECT_FALSE(ShowTeamSchedule(session, "      Select Team").has_value());
  EXPECT_FALSE(ShowTeamResults(session, "nobody").has_value());

  WriteWeek(2);
  store.WeekGameCount = 1;
  store.GameFirstTeam[1] = 3, store.GameSecondTeam[1] = 4;
  ASSERT_TRUE(WriteScheduleWeek(store, folder.path(), 3));
  auto schedule = ShowTeamSchedule(session, "T2");
  ASSERT_TRUE(schedule.has_value());
  EXPECT_EQ((std::vector<std::string>(schedule->begin() + 1, schedule->end())),
            (std::vector<std::string>{std::string(49, '='), "1  n/a",
                                      "2  L1 at L2" + std::string(24, ' ') + "on   Sunday",
                                      "3  off", std::string(49, '=')}));

  auto results = ShowTeamResults(session, "T2");
  ASSERT_TRUE(results.has_value());
  EXPECT_EQ((std::vector<std::string>(results->begin() + 4, results->end())),
            (std::vector<std::string>{" ", " No Scores have been recorded for 2001", " ",
                                      " 0 Wins, 0 Losses, 0 Ties"}));
  EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace tavrin
