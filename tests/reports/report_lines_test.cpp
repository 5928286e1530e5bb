// Report lines built from hand-filled stores: columns, edge values and damaged numbers.

#include <gtest/gtest.h>

#include "presentation/team_choice.h"
#include "reports/golden_case.h"
#include "reports/schedule_views.h"
#include "reports/statistics_view.h"
#include "reports/weekly_predictions.h"
#include "reports/weekly_results.h"

namespace tavrin {
namespace {

SeasonStore NamedStore() {
  SeasonStore store;
  store.TeamCount = 31;
  store.WorkingYear = 1999;
  store.WeeksInSeason = 17;
  testing::SetDayNames(store);
  for (int team = 1; team <= 31; ++team) {
    store.LocationName[team] = "Loc" + std::to_string(team);
    store.TeamName[team] = "Nick" + std::to_string(team);
    store.AveOffense[team] = 20;
    store.AveDefense[team] = 20;
    store.Cqr[team] = 60;
  }
  return store;
}

void SetGame(SeasonStore& store, int game, int visitor, int home, int day) {
  store.WeekGameCount = static_cast<int16_t>(std::max<int>(store.WeekGameCount, game));
  store.GameFirstTeam[game] = static_cast<int16_t>(visitor);
  store.GameSecondTeam[game] = static_cast<int16_t>(home);
  store.GameDay[game] = static_cast<int16_t>(day);
}

std::string PadRightForTest(std::string text, std::size_t width) {
  text.resize(std::max(width, text.size()), ' ');
  return text;
}

TEST(WeeklyPredictionLines, PickDayCodeZeroAndTotals) {
  SeasonStore store = NamedStore();
  SetGame(store, 1, 1, 2, 1);
  store.PickTeam[1] = 2, store.PickMargin[1] = 7.5f;
  SetGame(store, 2, 3, 4, 0);
  store.AveOffense[3] = 4, store.AveDefense[3] = 5, store.AveOffense[4] = 4,
  store.AveDefense[4] = 5;
  SetGame(store, 3, 5, 6, 2);
  store.PickTeam[3] = 5, store.PickMargin[3] = 7;
  store.AveOffense[5] = 20, store.AveDefense[5] = 22, store.AveOffense[6] = 18,
  store.AveDefense[6] = 21;
  const auto lines = WeeklyPredictionLines(store, 12);
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0], "                 Predictions for Week # 12  1999");
  EXPECT_EQ(lines[4], "Loc1 at Loc2                   Sun   Nick2 by 7.5        40");
  EXPECT_EQ(lines[5], "Loc3 at Loc4                      a Pick                 09");
  EXPECT_EQ(lines[6], "Loc5 at Loc6                   Mon   Nick5 by 7          41");
}

// Numbers a damaged file could carry show empty names; long names are written whole.
TEST(WeeklyPredictionLines, DamagedNumbersAndLongNames) {
  SeasonStore store = NamedStore();
  SetGame(store, 1, 40, -3, 9);
  store.PickTeam[1] = 99, store.PickMargin[1] = 3;
  store.LocationName[7] = std::string(20, 'v');
  store.LocationName[8] = std::string(20, 'h');
  SetGame(store, 2, 7, 8, 1);
  store.WeekGameCount = 300;
  const auto lines = WeeklyPredictionLines(store, 3);
  ASSERT_EQ(lines.size(), 4u + MaxScheduleSlot + 1);
  EXPECT_EQ(lines[4], " at                                by 3                  00");
  EXPECT_EQ(lines[5], std::string(20, 'v') + " at " + std::string(20, 'h') + "Sun   a Pick 40");
}

TEST(ScheduleGameText, PaddedPairingAndFullDay) {
  SeasonStore store = NamedStore();
  SetGame(store, 1, 1, 2, 7);
  SetGame(store, 2, 3, 4, 0);
  EXPECT_EQ(ScheduleGameText(store, 1), "Loc1 at Loc2                    on   Saturday");
  EXPECT_EQ(ScheduleGameText(store, 2), "Loc3 at Loc4                    on   ");
}

TEST(ResultsSummaryLine, CountsAndPercentages) {
  EXPECT_EQ(ResultsSummaryLine(6, 14), " 6 right out of 14 for 42.9%");
  EXPECT_EQ(ResultsSummaryLine(12, 12), " 12 right out of 12 for 100.0%");
  EXPECT_EQ(ResultsSummaryLine(0, 14), " 0 right out of 14 for 00.0%");
  EXPECT_EQ(ResultsSummaryLine(1, 20), " 1 right out of 20 for 05.0%");
  EXPECT_EQ(ResultsSummaryLine(0, 0), " 0 right out of 0 for 00.0%");
}

TEST(WeeklyResultLines, ScoresTiesPicksAndCounts) {
  SeasonStore store = NamedStore();
  SetGame(store, 1, 1, 2, 1);  // home team wins 27-3 as picked
  store.SavedPickTeam[1] = 2, store.SavedPickMargin[1] = 3.5f;
  store.GameWinner[1] = 2, store.WinMargin[1] = 24, store.FirstScore[1] = 3,
  store.SecondScore[1] = 27;
  SetGame(store, 2, 3, 4, 2);  // visitor wins 7-6 against the pick
  store.SavedPickTeam[2] = 4, store.SavedPickMargin[2] = 1;
  store.GameWinner[2] = 3, store.WinMargin[2] = 1, store.FirstScore[2] = 7,
  store.SecondScore[2] = 6;
  SetGame(store, 3, 5, 6, 1);  // a tie with a favourite: picked, not right
  store.SavedPickTeam[3] = 5, store.SavedPickMargin[3] = 2;
  store.FirstScore[3] = 17, store.SecondScore[3] = 17;
  SetGame(store, 4, 7, 8, 1);  // no favourite: not counted
  store.GameWinner[4] = 7, store.WinMargin[4] = 10, store.FirstScore[4] = 20,
  store.SecondScore[4] = 10;
  const auto lines = WeeklyResultLines(store, 9);
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[0], "                       Results for Week # 9  1999");
  EXPECT_EQ(lines[4],
            "Loc1 at Loc2                   Sun   Nick2 by 3.5        Nick2 _24       27 -  3 ");
  EXPECT_EQ(lines[5],
            "Loc3 at Loc4                   Mon   Nick4 by 1          Nick3 _1         7 -  6 ");
  EXPECT_EQ(lines[6],
            "Loc5 at Loc6                   Sun   Nick5 by 2          Tied            17 - 17 ");
  EXPECT_EQ(lines[7],
            "Loc7 at Loc8                   Sun   a Pick              Nick7 _10       20 - 10 ");
  EXPECT_EQ(lines[9], " 1 right out of 3 for 33.3%");
  for (int line = 4; line <= 7; ++line) EXPECT_EQ(lines[line].size(), 81u);
}

TEST(WeeklyResultLines, DamagedTeamNumbersShowEmptyNames) {
  SeasonStore store = NamedStore();
  SetGame(store, 1, 1, 99, 12);
  store.SavedPickTeam[1] = -5, store.SavedPickMargin[1] = 2;
  store.GameWinner[1] = 77, store.WinMargin[1] = 3, store.FirstScore[1] = 13,
  store.SecondScore[1] = 10;
  const auto lines = WeeklyResultLines(store, 4);
  EXPECT_EQ(lines[4], PadRightForTest("Loc1 at ", 31) + "   " + PadRightForTest(" by 2", 23) +
                          PadRightForTest(" _3", 14) + "  13 - 10 ");
  EXPECT_EQ(lines.back(), " 0 right out of 1 for 00.0%");
}

TEST(WeeklyResultLines, NoPickedGameSaysNoneOfNone) {
  SeasonStore store = NamedStore();
  SetGame(store, 1, 1, 2, 1);
  store.FirstScore[1] = 10, store.SecondScore[1] = 3, store.GameWinner[1] = 1;
  EXPECT_EQ(WeeklyResultLines(store, 2).back(), " 0 right out of 0 for 00.0%");
}

SeasonStore StatisticsStore() {
  SeasonStore store = NamedStore();
  for (int team = 1; team <= 31; ++team) store.Cqr[team] = 50 + team * 0.1f;
  return store;
}

std::vector<std::string> TeamsOf(const std::vector<std::string>& lines) {
  std::vector<std::string> teams;
  for (std::size_t line = 5; line < lines.size(); ++line) {
    teams.push_back(lines[line].substr(1, lines[line].find(' ', 1) - 1));
  }
  return teams;
}

TEST(StatisticsLines, HeadingsForFirstAndLastBlock) {
  SeasonStore store = StatisticsStore();
  auto lines = StatisticsLines(store, 1, StatisticsOrder::QualityRating);
  ASSERT_EQ(lines.size(), 36u);
  EXPECT_EQ(lines[0], "                 Tavrin Statistics Entering Week #1 1999");
  EXPECT_EQ(lines[1], std::string(76, '_'));
  lines = StatisticsLines(store, 18, StatisticsOrder::QualityRating);
  EXPECT_EQ(lines[0], "             Tavrin Statistics at the completion of the 1999 Season");
}

TEST(StatisticsLines, TeamLineColumns) {
  SeasonStore store = StatisticsStore();
  store.Wins[31] = 10, store.Losses[31] = 6, store.PointsScored[31] = 245,
  store.PointsAllowed[31] = 198;
  store.AveOffense[31] = 15.3f, store.AveDefense[31] = 12.4f, store.Cqr[31] = 61.0f;
  store.WinPct[31] = 0.625f;
  store.Cqr[30] = 100.0f, store.Wins[30] = 1, store.PointsScored[30] = 7,
  store.PointsAllowed[30] = 56;
  store.LocationName[30] = "Seventeen Letters";
  const auto lines = StatisticsLines(store, 5, StatisticsOrder::QualityRating);
  EXPECT_EQ(lines[5],
            " Seventeen Letters 1     0    0   0.000     7      56     20.0  20.0  100.0");
  EXPECT_EQ(lines[6], " Loc31           10     6    0   0.625   245     198     15.3  12.4   61.0");
}

TEST(StatisticsLines, OrdersAndTheirTies) {
  SeasonStore store = StatisticsStore();
  store.Cqr[7] = store.Cqr[9] = 90;
  store.AveOffense[4] = 21.2f, store.AveOffense[5] = 21.3f;  // both key 212
  store.AveDefense[11] = 1, store.AveDefense[12] = 1;
  auto teams = TeamsOf(StatisticsLines(store, 5, StatisticsOrder::QualityRating));
  EXPECT_EQ(teams[0], "Loc9");
  EXPECT_EQ(teams[1], "Loc7");
  teams = TeamsOf(StatisticsLines(store, 5, StatisticsOrder::AveOffense));
  EXPECT_EQ(teams[0], "Loc5");
  EXPECT_EQ(teams[1], "Loc4");
  teams = TeamsOf(StatisticsLines(store, 5, StatisticsOrder::AveDefense));
  EXPECT_EQ(teams[0], "Loc11");
  EXPECT_EQ(teams[1], "Loc12");
  EXPECT_EQ(teams[2], "Loc1");
}

// Ratings of 102.4 and more give keys past 1024; the order stays right.
TEST(StatisticsLines, RatingsAboveOneHundredAndTwoSortRight) {
  SeasonStore store = StatisticsStore();
  store.Cqr[3] = 150.5f, store.Cqr[17] = 102.4f, store.Cqr[18] = 102.4f, store.Cqr[2] = 140;
  const auto teams = TeamsOf(StatisticsLines(store, 5, StatisticsOrder::QualityRating));
  EXPECT_EQ((std::vector<std::string>(teams.begin(), teams.begin() + 5)),
            (std::vector<std::string>{"Loc3", "Loc2", "Loc18", "Loc17", "Loc31"}));
  std::vector<std::string> sorted = teams;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
}

TEST(TeamChoice, ListsNamesAndTakesTheLastOfEqualNames) {
  SeasonStore store = NamedStore();
  store.TeamName[20] = "Nick3";
  const auto choices = TeamChoices(store);
  ASSERT_EQ(choices.size(), 31u);
  EXPECT_EQ(choices[0], "Nick1");
  EXPECT_EQ(FindTeamByName(store, "Nick3"), 20);
  EXPECT_EQ(FindTeamByName(store, "Nick31"), 31);
  EXPECT_EQ(FindTeamByName(store, "nick1"), 0);
  EXPECT_EQ(FindTeamByName(store, SelectTeamPrompt), 0);
}

}  // namespace
}  // namespace tavrin
