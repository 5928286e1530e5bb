// The generated schedule keeps the league's rules for every seed tried.
#include "demo/demo_schedule.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>

#include "demo/demo_teams.h"
#include "season/league.h"

namespace tavrin::demo {
namespace {

void ExpectLeagueRules(const std::vector<DemoWeek>& season, uint64_t seed) {
  SCOPED_TRACE(::testing::Message() << "seed " << seed);
  ASSERT_EQ(season.size(), static_cast<std::size_t>(DemoWeekCount));
  std::array<int, DemoTeamCount + 1> games{};
  std::array<int, DemoTeamCount + 1> home{};
  std::map<std::pair<int, int>, int> meetings;           // unordered pair
  std::map<std::pair<int, int>, int> directed_meetings;  // (visitor, home)
  for (int w = 1; w <= DemoWeekCount; ++w) {
    const DemoWeek& week = season[w - 1];
    SCOPED_TRACE(::testing::Message() << "week " << w);
    EXPECT_GE(week.size(), 7u) << "schedule entry saves no week of fewer than 7 games";
    EXPECT_LE(week.size(), 15u);
    std::set<int> playing;
    int mondays = 0;
    for (const DemoGame& game : week) {
      ASSERT_TRUE(league::IsLeagueTeam(game.first) && league::IsLeagueTeam(game.second));
      EXPECT_NE(game.first, game.second);
      EXPECT_TRUE(playing.insert(game.first).second) << "team " << game.first << " twice";
      EXPECT_TRUE(playing.insert(game.second).second) << "team " << game.second << " twice";
      ++games[game.first];
      ++games[game.second];
      ++home[game.second];
      ++meetings[{std::min(game.first, game.second), std::max(game.first, game.second)}];
      ++directed_meetings[{game.first, game.second}];
      EXPECT_TRUE(game.day == 1 || game.day == 2 || game.day == 5 || game.day == 7);
      if (game.day == 5 || game.day == 7) EXPECT_GE(w, 12) << "midweek games come late";
      mondays += game.day == 2;
    }
    EXPECT_EQ(mondays, 1);
    EXPECT_EQ(week.back().day, 2) << "the Monday night game closes the week";
  }
  for (int t = 1; t <= DemoTeamCount; ++t) {
    EXPECT_EQ(games[t], DemoGamesPerTeam) << "team " << t;
    EXPECT_EQ(home[t], DemoGamesPerTeam / 2) << "team " << t;
  }
  for (int a = 1; a <= DemoTeamCount; ++a) {
    for (int b = a + 1; b <= DemoTeamCount; ++b) {
      const int met = meetings[std::make_pair(a, b)];
      if (league::SameDivision(a, b)) {
        EXPECT_EQ(met, 2) << a << " and " << b << " are division rivals";
        EXPECT_EQ(directed_meetings[std::make_pair(a, b)], 1)
            << a << " at " << b << " once, and back";
      } else {
        EXPECT_LE(met, 1) << a << " and " << b;
      }
    }
  }
}

TEST(DemoSchedule, KeepsTheLeagueRulesForManySeeds) {
  for (uint64_t seed = 0; seed < 40; ++seed) ExpectLeagueRules(MakeDemoSchedule(seed), seed);
  ExpectLeagueRules(MakeDemoSchedule(0xFFFFFFFFFFFFFFFFULL), 0xFFFFFFFFFFFFFFFFULL);
}

}  // namespace
}  // namespace tavrin::demo
