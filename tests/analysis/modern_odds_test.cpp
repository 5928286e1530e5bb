// Play-off odds of the 32-team league's eras, played from the real seasons' games files.

#include <fmt/format.h>
#include <gtest/gtest.h>

#include "analysis/playoff_odds.h"
#include "league/games_file.h"
#include "support/temp_folder.h"

namespace tavrin {

// A run fills its era's titles, seeds and rests, and one final a conference; what is proven
// happens in every run, and a season played out is proven whole.
TEST(ModernPlayoffOdds, EveryEraFillsItsPlacesAndPlaysItsRounds) {
  for (const auto [year, played_through, seeds, resting] : {std::array{2019, 0, 6, 2},
                                                            {2019, 14, 6, 2},
                                                            {2020, 17, 7, 1},
                                                            {2022, 5, 7, 1},
                                                            {2022, 18, 7, 1}}) {
    SeasonStore store;
    store.WorkingYear = static_cast<int16_t>(year);
    store.TeamCount = MostLeagueTeams;
    std::vector<CsvProblem> problems;
    const auto path = fmt::format("{}/seasons/modern/games_{}.csv", TAVRIN_TEST_DATA_DIR, year);
    std::vector<SeasonGame> games;
    for (const auto& [week, week_games] :
         ReadGamesFile(testing::ReadFileBytes(path), year, problems).weeks) {
      for (const CsvGame& g : week_games) {
        games.push_back(week > played_through ? SeasonGame{week, g.visitor, g.home}
                                              : SeasonGame{week, g.visitor, g.home, true,
                                                           *g.visitor_score, *g.home_score});
      }
    }
    OddsOptions options;
    const auto play = [&](uint64_t seed) {
      options.runs = 40;
      options.seed = seed;
      return SimulatePlayoffOdds(store, games, played_through, options);
    };
    std::vector<int> sums(13),  // division, play-offs, rest, AFC and NFC final, title, seeds 1-7
        expected{8, 2 * seeds, 2 * resting, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2 * seeds - 12};
    const PlayoffOdds odds = play(5);
    for (int team = 1; team <= MostLeagueTeams; ++team) {
      const TeamOdds& t = odds.teams[static_cast<std::size_t>(team)];
      const int counts[] = {t.division, t.playoffs, t.rest, 0, 0, t.title};
      for (std::size_t stage = 0; stage < sums.size(); ++stage)
        sums[stage] += stage < 6 ? counts[stage] : t.seeds[stage - 6];
      sums[team <= 16 ? 3 : 4] += t.final_game;
      const ProvenStages& p = odds.proven[static_cast<std::size_t>(team)];
      EXPECT_TRUE(p.playoffs || p.out_of_playoffs || played_through < 17) << team;
      EXPECT_TRUE((!p.playoffs || t.playoffs == 40) && (!p.out_of_playoffs || t.playoffs == 0) &&
                  (!p.division || t.division == 40) && (!p.out_of_division || t.division == 0) &&
                  (!p.rest || t.rest == 40) && (!p.out_of_rest || t.rest == 0))
          << team;
    }
    for (int& count : expected) count *= 40;
    EXPECT_EQ(sums, expected) << year << " week " << played_through;
    EXPECT_EQ(PlayoffOddsCsv(store, odds)[0].find(",p_seed7,") != std::string::npos, seeds == 7);
    EXPECT_EQ(PlayoffOddsCsv(store, odds), PlayoffOddsCsv(store, play(5)));
    EXPECT_NE(PlayoffOddsCsv(store, odds), PlayoffOddsCsv(store, play(6)));
  }
}

}  // namespace tavrin
