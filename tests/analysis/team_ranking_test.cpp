// Percentages, sort keys and SortTeamKeys, and the standings order they give.

#include "analysis/team_ranking.h"

#include <gtest/gtest.h>

#include "analysis/standings.h"
#include "reports/golden_case.h"

namespace tavrin {
namespace {

SeasonStore StoreWithTeams(int teams) {
  SeasonStore store;
  store.TeamCount = static_cast<int16_t>(teams);
  return store;
}

std::vector<int> SortedTeams(const std::vector<double>& figures) {
  SeasonStore store = StoreWithTeams(static_cast<int>(figures.size()));
  for (std::size_t index = 0; index < figures.size(); ++index) {
    const int team = static_cast<int>(index) + 1;
    store.SortKey[team] = TeamSortKey(figures[index], team);
  }
  SortTeamKeys(store);
  std::vector<int> teams;
  for (int place = 1; place <= store.TeamCount; ++place) teams.push_back(TeamInPlace(store, place));
  return teams;
}

// Catches ties broken against the team number, and keys of 1024 and more (a CQR of 102.4)
// where a single-precision key no longer carries the team. Full leagues are the golden replay's.
TEST(SortTeamKeys, OrdersByWholePartThenTeamNumber) {
  std::vector<double> thousands(31, 600);
  std::vector<int> thousands_order;
  thousands[29] = 1024, thousands[30] = 1999, thousands[2] = 1024;
  for (int team = 1; team <= 31; ++team) {
    if (team != 3 && team < 30) thousands_order.push_back(team);
  }
  thousands_order.insert(thousands_order.end(), {3, 30, 31});
  const std::pair<std::vector<double>, std::vector<int>> cases[] = {
      {{5, 3, 9, 3, 1}, {5, 2, 4, 1, 3}}, {thousands, thousands_order}};
  for (const auto& [figures, teams] : cases) EXPECT_EQ(SortedTeams(figures), teams);
}

TEST(SortTeamKeys, FiguresThatAreNoNumbersStillGiveTeamNumbers) {
  const auto teams = SortedTeams({std::numeric_limits<double>::infinity(), 5, -3,
                                  std::numeric_limits<double>::quiet_NaN(), 1e300});
  std::vector<int> sorted = teams;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(sorted, (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(teams.front(), 3);
}

TEST(WinPercentages, GamesWithoutWinsAndTiesCountHalf) {
  SeasonStore store = StoreWithTeams(4);
  store.Wins[2] = 0, store.Ties[2] = 2;
  store.Wins[3] = 7, store.Losses[3] = 3;
  store.Wins[4] = 3;
  ComputeWinPercentages(store);
  EXPECT_EQ(std::vector<float>(store.WinPct.begin() + 1, store.WinPct.begin() + 5),
            (std::vector<float>{0, 0.5f, 0.7f, 1}));
  // The single percentage times 1000 in double: 7-3 is 699, not 700.
  EXPECT_EQ(TeamSortKey(static_cast<double>(store.WinPct[3]) * 1000, 3), 699.0003);
}

std::vector<std::string> AfcEastRows(const std::vector<std::string>& lines) {
  return {lines.begin() + 5, lines.begin() + 10};
}

TEST(Standings, EqualTruncatedPercentagesListHigherTeamFirst) {
  SeasonStore store = testing::LeagueStore(1999);
  store.Wins[1] = 2, store.Losses[1] = 1;  // 0.6667, key 666
  store.Wins[2] = 4, store.Losses[2] = 2;  // key 666
  store.Wins[3] = 5, store.Losses[3] = 3;  // 0.625
  store.Wins[4] = 5, store.Losses[4] = 3;
  std::string order;  // no games is 0.000: team 5 last
  for (const auto& row : AfcEastRows(StandingsLines(store, 3))) order += row.substr(3, 1);
  EXPECT_EQ(order, "21435");
}

// Catches a long name pushing the columns (the ordinary lines are the golden replay's).
TEST(Standings, LongNamesKeepTheColumns) {
  SeasonStore store = testing::LeagueStore(1999);
  store.LocationName[2] = "A Very Long Location";
  store.Ties[2] = 1;
  EXPECT_EQ(AfcEastRows(StandingsLines(store, 16))[0],
            "A Very Long Location      0      0      1    0.500    60.0");
}

}  // namespace
}  // namespace tavrin
