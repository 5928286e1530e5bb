// Report lines built from hand-filled stores: the edge values and damaged numbers the recorded
// seasons never hold (their ordinary lines are the golden replay's).

#include <gtest/gtest.h>

#include "presentation/team_choice.h"
#include "reports/golden_case.h"
#include "reports/schedule_views.h"
#include "reports/statistics_view.h"
#include "reports/weekly_predictions.h"
#include "reports/weekly_results.h"

namespace tavrin {
namespace {

void SetGame(SeasonStore& store, int game, int visitor, int home, int day) {
  store.WeekGameCount = static_cast<int16_t>(std::max<int>(store.WeekGameCount, game));
  store.GameFirstTeam[game] = static_cast<int16_t>(visitor);
  store.GameSecondTeam[game] = static_cast<int16_t>(home);
  store.GameDay[game] = static_cast<int16_t>(day);
}

// Catches day code 0 read as a day, a one-digit total unpadded, a damaged team number used as
// an index, long names cut, and a game count past the slots read beyond them.
TEST(WeeklyPredictionLines, DayZeroDamagedNumbersAndLongNames) {
  SeasonStore store = testing::LeagueStore(1999);
  SetGame(store, 1, 40, -3, 9);
  store.PickTeam[1] = 99, store.PickMargin[1] = 3;
  store.LocationName[7] = std::string(20, 'v');
  store.LocationName[8] = std::string(20, 'h');
  SetGame(store, 2, 7, 8, 1);
  SetGame(store, 3, 3, 4, 0);
  store.AveOffense[3] = 4, store.AveDefense[3] = 5, store.AveOffense[4] = 4,
  store.AveDefense[4] = 5;
  store.WeekGameCount = 300;
  const auto lines = WeeklyPredictionLines(store, 3);
  ASSERT_EQ(lines.size(), 4u + MaxScheduleSlot + 1);
  EXPECT_EQ(lines[4], " at                                by 3                  00");
  EXPECT_EQ(lines[5], std::string(20, 'v') + " at " + std::string(20, 'h') + "Sun   a Pick 40");
  EXPECT_EQ(lines[6], "Loc3 at Loc4                      a Pick                 09");
  EXPECT_EQ(ScheduleGameText(store, 3), "Loc3 at Loc4                    on   ");
}

// Catches rounding, a missing leading zero and a division by zero in the summary.
TEST(ResultsSummaryLine, CountsAndPercentages) {
  const std::tuple<int, int, const char*> cases[] = {{12, 12, " 12 right out of 12 for 100.0%"},
                                                     {1, 20, " 1 right out of 20 for 05.0%"},
                                                     {0, 0, " 0 right out of 0 for 00.0%"}};
  for (const auto& [right, picked, line] : cases)
    EXPECT_EQ(ResultsSummaryLine(right, picked), line);
}

// Catches a tie with a favourite counted right, a game without favourite counted, and damaged
// team numbers used as indexes.
TEST(WeeklyResultLines, TiesGamesWithoutPickAndDamagedNumbers) {
  SeasonStore store = testing::LeagueStore(1999);
  SetGame(store, 1, 5, 6, 1);
  store.SavedPickTeam[1] = 5, store.SavedPickMargin[1] = 2;
  store.FirstScore[1] = 17, store.SecondScore[1] = 17;
  SetGame(store, 2, 7, 8, 1);
  store.GameWinner[2] = 7, store.WinMargin[2] = 10, store.FirstScore[2] = 20,
  store.SecondScore[2] = 10;
  SetGame(store, 3, 1, 99, 12);
  store.SavedPickTeam[3] = -5, store.SavedPickMargin[3] = 2;
  store.GameWinner[3] = 77, store.WinMargin[3] = 3, store.FirstScore[3] = 13,
  store.SecondScore[3] = 10;
  const auto lines = WeeklyResultLines(store, 9);
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[4],
            "Loc5 at Loc6                   Sun   Nick5 by 2          Tied            17 - 17 ");
  EXPECT_EQ(lines[5],
            "Loc7 at Loc8                   Sun   a Pick              Nick7 _10       20 - 10 ");
  EXPECT_EQ(lines[6], "Loc1 at                           " +
                          std::string(23, ' ').replace(0, 5, " by 2") + " _3" +
                          std::string(11, ' ') + "  13 - 10 ");
  EXPECT_EQ(lines.back(), " 0 right out of 2 for 00.0%");
}

std::vector<std::string> TeamsOf(const std::vector<std::string>& lines) {
  std::vector<std::string> teams;
  for (std::size_t line = 5; line < lines.size(); ++line) {
    teams.push_back(lines[line].substr(1, lines[line].find(' ', 1) - 1));
  }
  return teams;
}

// Catches a long name pushing the columns and 100.0 losing a digit.
TEST(StatisticsLines, LongNameAndARatingOfOneHundred) {
  SeasonStore store = testing::LeagueStore(1999);
  store.Cqr[30] = 100.0f, store.Wins[30] = 1, store.PointsScored[30] = 7,
  store.PointsAllowed[30] = 56;
  store.LocationName[30] = "Seventeen Letters";
  EXPECT_EQ(StatisticsLines(store, 5, StatisticsOrder::QualityRating)[5],
            " Seventeen Letters 1     0    0   0.000     7      56     20.0  20.0  100.0");
}

// Catches ties broken the wrong way in each order (keys past 1024 are the sort's own test).
TEST(StatisticsLines, OrdersTiesAndRatingsAboveOneHundred) {
  SeasonStore store = testing::LeagueStore(1999);
  store.Cqr[7] = store.Cqr[9] = 90;
  store.AveOffense[4] = 21.2f, store.AveOffense[5] = 21.3f;  // both key 212
  store.AveDefense[11] = 1, store.AveDefense[12] = 1;
  const std::pair<StatisticsOrder, std::vector<std::string>> cases[] = {
      {StatisticsOrder::QualityRating, {"Loc9", "Loc7"}},
      {StatisticsOrder::AveOffense, {"Loc5", "Loc4"}},
      {StatisticsOrder::AveDefense, {"Loc11", "Loc12", "Loc1"}}};
  for (const auto& [order, first] : cases) {
    const auto teams = TeamsOf(StatisticsLines(store, 5, order));
    EXPECT_EQ(std::vector<std::string>(teams.begin(), teams.begin() + first.size()), first);
  }
}

// Catches the first of equal names taken, a name matched without case, and the prompt taken
// for a team.
TEST(TeamChoice, ListsNamesAndTakesTheLastOfEqualNames) {
  SeasonStore store = testing::LeagueStore(1999);
  store.TeamName[20] = "Nick3";
  EXPECT_EQ(TeamChoices(store).size(), 31u);
  EXPECT_EQ(FindTeamByName(store, "Nick3"), 20);
  EXPECT_EQ(FindTeamByName(store, "Nick31"), 31);
  EXPECT_EQ(FindTeamByName(store, "nick1"), 0);
  EXPECT_EQ(FindTeamByName(store, SelectTeamPrompt), 0);
}

}  // namespace
}  // namespace tavrin
