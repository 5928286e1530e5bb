// The 32-team league's demo schedule, over many seeds and both season lengths.

#include "demo/divisions_of_four_schedule.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "entry/schedule_save.h"
#include "season/league.h"

namespace tavrin::demo {
namespace {

// Catches a team playing twice in a week or missing its bye, rivals not met home and away, or
// another club met twice.
TEST(DivisionsOfFourSchedule, KeepsTheLeagueRulesForManySeeds) {
  for (const int games_per_team : {16, 17}) {
    for (uint64_t seed = 1; seed <= 20; ++seed) {
      const auto season = MakeDivisionsOfFourSchedule(seed, games_per_team);
      ASSERT_EQ(season.size(), static_cast<std::size_t>(games_per_team + 1));
      std::map<int, int> games, home;
      std::map<std::pair<int, int>, int> meetings;  // (visitor, home)
      for (const DemoWeek& week : season) {
        EXPECT_GE(week.size(), static_cast<std::size_t>(MinGamesToSave));
        std::map<int, int> plays;
        for (const DemoGame& game : week) {
          ++games[game.first], ++games[game.second], ++home[game.second];
          ++plays[game.first], ++plays[game.second], ++meetings[{game.first, game.second}];
        }
        for (const auto& [team, times] : plays) EXPECT_EQ(times, 1) << seed << " team " << team;
        EXPECT_EQ(week.back().day, 2) << "the Monday night game closes each week";
      }
      ASSERT_EQ(games.size(), static_cast<std::size_t>(MostLeagueTeams));
      for (const auto& [team, count] : games) {
        EXPECT_EQ(count, games_per_team) << seed << " team " << team;
        EXPECT_LE(std::abs(2 * home[team] - games_per_team), 1) << seed << " team " << team;
      }
      for (int a = 1; a <= MostLeagueTeams; ++a) {
        for (int b = a + 1; b <= MostLeagueTeams; ++b) {
          const int there = meetings[{a, b}], back = meetings[{b, a}];
          const bool rivals = (a - 1) / 4 == (b - 1) / 4;
          EXPECT_TRUE(rivals ? there == 1 && back == 1 : there + back <= 1) << a << " v " << b;
        }
      }
    }
  }
}

}  // namespace
}  // namespace tavrin::demo
