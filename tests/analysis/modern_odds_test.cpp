// Play-off odds of the 32-team league's eras, played from the real seasons' games files.

#include <fmt/format.h>
#include <gtest/gtest.h>

#include <sstream>

#include "analysis/playoff_odds.h"
#include "league/games_file.h"
#include "support/temp_folder.h"

namespace tavrin {
namespace {

using testing::ReadFileBytes;
using testing::TestDataDir;

OddsOptions Options(int runs, uint64_t seed) {
  OddsOptions options;
  options.runs = runs;
  options.seed = seed;
  return options;
}

// The store of a 32-team season and its games, those after `played_through` not yet played.
struct ModernSeason {
  SeasonStore store;
  std::vector<SeasonGame> games;
};

ModernSeason SeasonThrough(int year, int played_through) {
  ModernSeason season;
  season.store.WorkingYear = static_cast<int16_t>(year);
  season.store.TeamCount = MostLeagueTeams;
  std::vector<CsvProblem> problems;
  const SeasonCsv csv = ReadGamesFile(
      ReadFileBytes(TestDataDir() / "seasons" / "modern" / fmt::format("games_{}.csv", year)), year,
      problems);
  EXPECT_TRUE(problems.empty());
  for (const auto& [week, games] : csv.weeks) {
    for (const CsvGame& game : games) {
      SeasonGame played{week, game.visitor, game.home};
      if (week <= played_through && game.visitor_score) {
        played = {week, game.visitor, game.home, true, *game.visitor_score, *game.home_score};
      }
      season.games.push_back(played);
    }
  }
  return season;
}

// Each team's real seed (0 when out) from standings.csv, by team number.
std::vector<int> RealSeeds(const SeasonLeague& league) {
  std::vector<int> seeds(static_cast<std::size_t>(league.team_count()) + 1);
  std::istringstream rows(ReadFileBytes(TestDataDir() / "seasons" / "modern" / "standings.csv"));
  std::string row;
  while (std::getline(rows, row)) {
    std::vector<std::string> fields(1);
    for (char c : row) {
      if (c == ',') {
        fields.emplace_back();
      } else {
        fields.back().push_back(c);
      }
    }
    if (fields[0] != std::to_string(league.year)) continue;
    const auto team = league.TeamOfCode(fields[3]);
    EXPECT_TRUE(team.has_value()) << row;
    if (team && !fields[14].empty()) seeds[static_cast<std::size_t>(*team)] = std::stoi(fields[14]);
  }
  return seeds;
}

struct EraCase {
  int year;
  int played_through;
  int seeds;    // a conference's
  int resting;  // a conference's seeds that sit out the first round
};

const EraCase EraCases[] = {{2019, 0, 6, 2}, {2019, 9, 6, 2}, {2020, 12, 7, 1}, {2022, 5, 7, 1}};

TEST(ModernPlayoffOdds, EveryEraFillsItsPlacesAndPlaysItsRounds) {
  constexpr int Runs = 300;
  for (const EraCase& era : EraCases) {
    SCOPED_TRACE(fmt::format("{} week {}", era.year, era.played_through));
    const ModernSeason season = SeasonThrough(era.year, era.played_through);
    const PlayoffOdds odds =
        SimulatePlayoffOdds(season.store, season.games, era.played_through, Options(Runs, 5));
    EXPECT_EQ(odds.seeds_per_conference, era.seeds);
    int division = 0, playoffs = 0, rest = 0, title = 0, seeded = 0, finals[2] = {};
    std::array<int, MostSeedsPerConference> by_seed{};
    for (int team = 1; team <= MostLeagueTeams; ++team) {
      const TeamOdds& figures = odds.teams[static_cast<std::size_t>(team)];
      division += figures.division;
      playoffs += figures.playoffs;
      rest += figures.rest;
      title += figures.title;
      finals[team > 16] += figures.final_game;
      for (int seed = 0; seed < MostSeedsPerConference; ++seed)
        by_seed[seed] += figures.seeds[seed];
      EXPECT_LE(figures.title, figures.final_game);
      EXPECT_LE(figures.final_game, figures.playoffs);
      EXPECT_EQ(StatusOf(odds.proven[static_cast<std::size_t>(team)]), OddsStatus::None);
    }
    for (int seed = 0; seed < MostSeedsPerConference; ++seed) {
      EXPECT_EQ(by_seed[seed], seed < era.seeds ? 2 * Runs : 0) << "seed " << seed + 1;
      seeded += by_seed[seed];
    }
    EXPECT_EQ(std::tuple(division, playoffs, seeded, rest, finals[0], finals[1], title),
              std::tuple(8 * Runs, 2 * era.seeds * Runs, 2 * era.seeds * Runs,
                         2 * era.resting * Runs, Runs, Runs, Runs));
  }
}

TEST(ModernPlayoffOdds, SeasonPlayedOutGivesTheRealSeedsAndNoProvenFigure) {
  for (const int year : {2019, 2020, 2022}) {
    SCOPED_TRACE(year);
    const auto league = LeagueOf(year);
    const ModernSeason season = SeasonThrough(year, league->weeks);
    const PlayoffOdds odds =
        SimulatePlayoffOdds(season.store, season.games, league->weeks, Options(20, 1));
    const std::vector<int> real = RealSeeds(*league);
    for (int team = 1; team <= league->team_count(); ++team) {
      const int seed = real[static_cast<std::size_t>(team)];
      EXPECT_EQ(odds.teams[team].playoffs, seed > 0 ? 20 : 0) << team;
      if (seed > 0) {
        EXPECT_EQ(odds.teams[team].seeds[seed - 1], 20) << team;
      }
      for (const std::string& text : TeamOddsTexts(odds, team)) {
        EXPECT_TRUE(text != "100.0" && text != "0.0") << team << " " << text;
      }
    }
  }
}

TEST(ModernPlayoffOdds, SameSeedSameOddsAndTheCsvNamesEverySeed) {
  const ModernSeason season = SeasonThrough(2022, 8);
  const auto play = [&](uint64_t seed) {
    return PlayoffOddsCsv(season.store,
                          SimulatePlayoffOdds(season.store, season.games, 8, Options(200, seed)));
  };
  const auto once = play(9);
  EXPECT_EQ(once, play(9));
  EXPECT_NE(once, play(10));
  ASSERT_EQ(once.size(), 33u);
  EXPECT_NE(once[0].find(",p_seed6,p_seed7,status"), std::string::npos);
  EXPECT_EQ(std::count(once[1].begin(), once[1].end(), ','), 18);
}

}  // namespace
}  // namespace tavrin
