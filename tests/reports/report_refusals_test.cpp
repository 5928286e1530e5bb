// The checks before a view opens: missing schedules, blocks without predictions or scores, the
// scorecard's damaged market file. The figures of the recorded seasons are the golden replay's.

#include <gtest/gtest.h>

#include <algorithm>

#include "reports/golden_case.h"
#include "reports/schedule_views.h"
#include "reports/scorecard_report.h"
#include "reports/statistics_view.h"
#include "reports/team_results.h"
#include "reports/weekly_predictions.h"
#include "reports/weekly_results.h"
#include "reports/win_probabilities.h"

namespace tavrin {
namespace {

std::string NotCurrent(int week) {
  return "Cannot Complete Action....\n\rScores must be current thru Week # " +
         std::to_string(week) + ".";
}

class Refusals : public ::testing::Test {
 protected:
  Refusals() { store.WeeksInSeason = store.LastScoredWeek = 3; }

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
  // The view did not open and the user was told why, once.
  void ExpectRefused(bool shown, const std::string& message) {
    EXPECT_FALSE(shown);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, message);
    ui.messages.clear();
  }

  testing::TempFolder folder;
  SeasonStore store = testing::LeagueStore(2001);
  testing::ScriptedUi ui;
  Session session{store, ui, folder.path()};
};

TEST_F(Refusals, PredictionsNeedScheduleThenPredictions) {
  ExpectRefused(ShowWeeklyPredictions(session, 1).has_value(),
                "Unable to Load the Schedule for Week 2.");
  WriteWeek(2);
  ExpectRefused(
      ShowWeeklyPredictions(session, 1).has_value(),
      "Unable to Load the Statistics for Week 2.\n\rScores must be current thru week # 1.");
  WriteBlock(1, false);
  EXPECT_TRUE(ShowWeeklyPredictions(session, 1).has_value());
}

TEST_F(Refusals, WeeklyScheduleOfAMissingOrDamagedWeek) {
  ExpectRefused(ShowWeeklySchedule(session, 0).has_value(),
                "Unable to Load the Schedule for Week 1.");
  WriteWeek(1);
  const auto file = folder.path() / ScheduleFileName(2001);
  std::string bytes = testing::ReadFileBytes(file);
  bytes[6] = 'x';  // the first team of game 1
  testing::WriteFileBytes(file, bytes);
  ExpectRefused(ShowWeeklySchedule(session, 0).has_value(),
                "TVSC2001.dat is damaged at week 1: its games for that week cannot be read.\n\r"
                "Save the schedule of week 1 again in schedule entry.");
}

// Catches the results of a week shown without its own scores or without the week before's, or
// without a schedule, and statistics without scores.
TEST_F(Refusals, ResultsAndStatisticsNameTheWeekWithoutScores) {
  WriteBlock(0, false);
  ExpectRefused(ShowStatistics(session, 0).has_value(), NotCurrent(0));
  WriteBlock(0, true);
  WriteBlock(1, true);
  ExpectRefused(ShowWeeklyResults(session, 0).has_value(),
                "Unable to Load the Schedule for Week 1.");
  WriteWeek(2);
  WriteBlock(1, false);
  WriteBlock(2, true);  // results of week 2, none of week 1
  ExpectRefused(ShowWeeklyResults(session, 1).has_value(), NotCurrent(1));
  WriteBlock(1, true);
  WriteBlock(2, false);
  ExpectRefused(ShowWeeklyResults(session, 1).has_value(), NotCurrent(2));
  WriteBlock(2, true);
  EXPECT_TRUE(ShowWeeklyResults(session, 1).has_value());
  EXPECT_TRUE(ui.messages.empty());
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
  ExpectRefused(ShowWeeklyResults(session, 1).has_value(), again);
  ExpectRefused(ShowStatistics(session, 2).has_value(), again);
  ExpectRefused(ShowWeeklyPredictions(session, 2).has_value(), again);
  const auto results = ShowTeamResults(session, "Nick2");
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
      "TVSt2001.dat is damaged at week 1: its figures for that week cannot be read.\n\rEnter "
      "the scores of week 1 again to write them anew.";
  ExpectRefused(ShowStatistics(session, 1).has_value(), damaged);
  ExpectRefused(ShowWeeklyPredictions(session, 1).has_value(), damaged);
  EXPECT_TRUE(ShowStatistics(session, 0).has_value());  // the weeks before it still show
  // A file that ends inside a block is damaged there too.
  WriteBlock(1, true);
  std::filesystem::resize_file(folder.path() / StatisticsFileName(2001), 31 * StatsRecordSize + 20);
  ExpectRefused(ShowStatistics(session, 1).has_value(), damaged);
}

// Weeks without stored results or schedules add no line; a team without any result says so.
TEST_F(Refusals, TeamViewsSkipWhatIsMissing) {
  EXPECT_FALSE(ShowTeamSchedule(session, "      Select Team").has_value());
  EXPECT_FALSE(ShowTeamResults(session, "nobody").has_value());

  WriteWeek(2);
  store.WeekGameCount = 1;
  store.GameFirstTeam[1] = 3, store.GameSecondTeam[1] = 4;
  ASSERT_TRUE(WriteScheduleWeek(store, folder.path(), 3));
  auto schedule = ShowTeamSchedule(session, "Nick2");
  ASSERT_TRUE(schedule.has_value());
  EXPECT_EQ((std::vector<std::string>(schedule->begin() + 1, schedule->end())),
            (std::vector<std::string>{std::string(49, '='), "1  n/a",
                                      "2  Loc1 at Loc2" + std::string(20, ' ') + "on   Sunday",
                                      "3  off", std::string(49, '=')}));

  auto results = ShowTeamResults(session, "Nick2");
  ASSERT_TRUE(results.has_value());
  EXPECT_EQ((std::vector<std::string>(results->begin() + 4, results->end())),
            (std::vector<std::string>{" ", " No Scores have been recorded for 2001", " ",
                                      " 0 Wins, 0 Losses, 0 Ties"}));
  EXPECT_TRUE(ui.messages.empty());
}

TEST(ScorecardReport, RefusesWeeksNotScoredAndLeavesOutDamagedLines) {
  TAVRIN_REQUIRE_SHARED_DATA();
  testing::OpenedCase start("1999");
  start.folder.CopyFilesFrom(testing::GoldenCaseDir("1999") / "start");
  ASSERT_TRUE(ReadSettings(start.store, start.folder.path()));
  for (int through : {0, 3}) {
    start.ui.messages.clear();
    EXPECT_FALSE(ShowSeasonScorecard(start.session, through));
    ASSERT_EQ(start.ui.messages.size(), 1u);
    EXPECT_EQ(start.ui.messages[0].text, NotCurrent(1));
  }

  testing::OpenedCase final("1999");
  testing::WriteFileBytes(final.folder.path() / "TVML1999.csv", "week,visitor\n1,2\n");
  const auto card = ShowSeasonScorecard(final.session, 2);
  ASSERT_TRUE(card);
  EXPECT_FALSE(card->market_known);
  EXPECT_EQ(card->weeks.size(), 2u);
  ASSERT_EQ(final.ui.messages.size(), 1u);
  EXPECT_EQ(final.ui.messages[0].text,
            "The betting lines in TVML1999.csv cannot be read.\n\rThe scorecard leaves the market "
            "out.");
}

TEST(WinProbabilities, FavouritesChanceFromTheStoredMargin) {
  TAVRIN_REQUIRE_SHARED_DATA();
  testing::OpenedCase opened("1999");
  const auto lines = ShowWinProbabilities(opened.session, 4);
  ASSERT_TRUE(lines);
  // Phi(0.5 / 14.5) and Phi(5.5 / 14.5), from a normal table.
  EXPECT_EQ(lines->at(4), "NY Giants at Arizona           Giants by 0.5             51.4%");
  EXPECT_EQ(lines->at(5), "Pittsburgh at Buffalo          Bills by 5.5              64.8%");
  EXPECT_FALSE(ShowWinProbabilities(opened.session, 17));
}

}  // namespace
}  // namespace tavrin
