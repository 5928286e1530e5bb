// Percentages, sort keys and SortTeamKeys, and the standings order they give.

#include "analysis/team_ranking.h"

#include <gtest/gtest.h>

#include "analysis/standings.h"

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

TEST(SortTeamKeys, OrdersByWholePartThenTeamNumber) {
  EXPECT_EQ(SortedTeams({5, 3, 9, 3, 1}), (std::vector<int>{5, 2, 4, 1, 3}));
  EXPECT_EQ(SortedTeams({1, 2, 3}), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(SortedTeams({42.9}), (std::vector<int>{1}));
}

TEST(SortTeamKeys, FullLeagueInReverseOrder) {
  std::vector<double> figures;
  for (int team = 1; team <= 31; ++team) figures.push_back(100 - team);
  const auto teams = SortedTeams(figures);
  for (int place = 1; place <= 31; ++place) EXPECT_EQ(teams[place - 1], 32 - place);
}

// A CQR of 102.4 gives a key of 1024, where a single-precision key no longer carries the team.
TEST(SortTeamKeys, KeysOfAThousandAndMoreKeepTheirTeams) {
  std::vector<double> figures(31, 600);
  figures[29] = 1024;  // team 30
  figures[30] = 1999;  // team 31
  figures[2] = 1024;   // team 3
  const auto teams = SortedTeams(figures);
  EXPECT_EQ(teams[28], 3);
  EXPECT_EQ(teams[29], 30);
  EXPECT_EQ(teams[30], 31);
  EXPECT_EQ(teams[0], 1);
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
  EXPECT_EQ(store.WinPct[1], 0.0f);
  EXPECT_EQ(store.WinPct[2], 0.5f);
  EXPECT_EQ(store.WinPct[3], 0.7f);
  EXPECT_EQ(store.WinPct[4], 1.0f);
  // The single percentage times 1000 in double: 7-3 is 699, not 700.
  EXPECT_EQ(TeamSortKey(static_cast<double>(store.WinPct[3]) * 1000, 3), 699.0003);
}

SeasonStore StandingsStore() {
  SeasonStore store = StoreWithTeams(31);
  store.WorkingYear = 1999;
  for (int team = 1; team <= 31; ++team) {
    store.LocationName[team] = "Team" + std::to_string(team);
    store.Cqr[team] = 60;
  }
  return store;
}

std::vector<std::string> AfcEastRows(const std::vector<std::string>& lines) {
  return {lines.begin() + 5, lines.begin() + 10};
}

TEST(Standings, EqualTruncatedPercentagesListHigherTeamFirst) {
  SeasonStore store = StandingsStore();
  store.Wins[1] = 2, store.Losses[1] = 1;  // 0.6667, key 666
  store.Wins[2] = 4, store.Losses[2] = 2;  // key 666
  store.Wins[3] = 5, store.Losses[3] = 3;  // 0.625
  store.Wins[4] = 5, store.Losses[4] = 3;
  const auto rows = AfcEastRows(StandingsLines(store, 3));
  EXPECT_EQ(rows[0].substr(0, 5), "Team2");
  EXPECT_EQ(rows[1].substr(0, 5), "Team1");
  EXPECT_EQ(rows[2].substr(0, 5), "Team4");
  EXPECT_EQ(rows[3].substr(0, 5), "Team3");
  EXPECT_EQ(rows[4].substr(0, 5), "Team5");  // no games: 0.000, last
}

TEST(Standings, LineColumnsTwoDigitCountsAndLongNames) {
  SeasonStore store = StandingsStore();
  store.Wins[1] = 12, store.Losses[1] = 4;
  store.Cqr[1] = 71.4f;
  store.LocationName[2] = "A Very Long Location";
  store.Ties[2] = 1;
  const auto rows = AfcEastRows(StandingsLines(store, 16));
  EXPECT_EQ(rows[0], "Team1               12      4      0    0.750    71.4");
  EXPECT_EQ(rows[1], "A Very Long Location      0      0      1    0.500    60.0");
}

TEST(Standings, TitleAndDivisionLayout) {
  SeasonStore store = StandingsStore();
  const auto lines = StandingsLines(store, 7);
  ASSERT_EQ(lines.size(), 52u);
  EXPECT_EQ(lines[0], "                   Standings Week #7 1999");
  EXPECT_EQ(lines.back(), " ");
  EXPECT_EQ(std::count(lines.begin(), lines.end(),
                       "                   Wins  Losses  Ties     %      CQR"),
            2);
}

}  // namespace
}  // namespace tavrin
