// Play-off odds of the 32-team league's eras, played from the real seasons' games files.

#include <fmt/format.h>
#include <gtest/gtest.h>

#include "analysis/playoff_odds.h"
#include "league/games_file.h"
#include "support/temp_folder.h"

namespace tavrin {
namespace {

struct EraCase {
  int year;
  int played_through;
  int seeds;    // a conference's
  int resting;  // of them, those that sit out the first round
};

// Every seed, division title, rest and round filled once a run; nothing proven; one seed, one
// result. The figures after the last week are the season's own seeds, every run alike.
TEST(ModernPlayoffOdds, EveryEraFillsItsPlacesAndPlaysItsRounds) {
  constexpr int Runs = 300;
  for (const EraCase era :
       {EraCase{2019, 0, 6, 2}, {2019, 9, 6, 2}, {2020, 17, 7, 1}, {2022, 5, 7, 1}}) {
    SCOPED_TRACE(fmt::format("{} week {}", era.year, era.played_through));
    SeasonStore store;
    store.WorkingYear = static_cast<int16_t>(era.year);
    store.TeamCount = MostLeagueTeams;
    std::vector<CsvProblem> problems;
    const SeasonCsv csv =
        ReadGamesFile(testing::ReadFileBytes(testing::TestDataDir() / "seasons" / "modern" /
                                             fmt::format("games_{}.csv", era.year)),
                      era.year, problems);
    std::vector<SeasonGame> games;
    for (const auto& [week, week_games] : csv.weeks) {
      for (const CsvGame& game : week_games) {
        const bool played = week <= era.played_through;
        games.push_back({week, game.visitor, game.home, played, played ? *game.visitor_score : 0,
                         played ? *game.home_score : 0});
      }
    }
    const auto play = [&](uint64_t seed) {
      OddsOptions options;
      options.runs = Runs;
      options.seed = seed;
      return SimulatePlayoffOdds(store, games, era.played_through, options);
    };
    const PlayoffOdds odds = play(5);
    int division = 0, playoffs = 0, rest = 0, title = 0, finals[2] = {};
    std::array<int, MostSeedsPerConference> by_seed{};
    for (int team = 1; team <= MostLeagueTeams; ++team) {
      const TeamOdds& figures = odds.teams[static_cast<std::size_t>(team)];
      std::tie(division, playoffs, rest, title) =
          std::tuple(division + figures.division, playoffs + figures.playoffs, rest + figures.rest,
                     title + figures.title);
      finals[team > 16] += figures.final_game;
      for (int seed = 0; seed < MostSeedsPerConference; ++seed)
        by_seed[seed] += figures.seeds[seed];
      EXPECT_TRUE(figures.playoffs % Runs == 0 || era.played_through < 17) << team;
      EXPECT_EQ(StatusOf(odds.proven[static_cast<std::size_t>(team)]), OddsStatus::None);
    }
    for (int seed = 0; seed < MostSeedsPerConference; ++seed) {
      EXPECT_EQ(by_seed[seed], seed < era.seeds ? 2 * Runs : 0) << "seed " << seed + 1;
    }
    EXPECT_EQ(std::tuple(division, playoffs, rest, finals[0], finals[1], title),
              std::tuple(8 * Runs, 2 * era.seeds * Runs, 2 * era.resting * Runs, Runs, Runs, Runs));
    EXPECT_EQ(PlayoffOddsCsv(store, odds)[0].find(",p_seed7,") != std::string::npos,
              era.seeds == 7);
    EXPECT_EQ(PlayoffOddsCsv(store, odds), PlayoffOddsCsv(store, play(5)));
    EXPECT_NE(PlayoffOddsCsv(store, odds)[1], PlayoffOddsCsv(store, play(6))[1]);
  }
}

}  // namespace
}  // namespace tavrin
