// Standings and play-off odds at the edges the golden replay never reaches, with the real seeds.

#include "analysis/standings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/odds_history.h"
#include "analysis/playoff_odds.h"
#include "analysis/team_ranking.h"
#include "analysis/tiebreakers.h"
#include "engine/recorded_scores.h"
#include "reports/golden_case.h"

namespace tavrin {
namespace {

SeasonStore StoreWithTeams(std::size_t teams) {
  SeasonStore store;
  store.TeamCount = static_cast<int16_t>(teams);
  return store;
}

std::vector<int> SortedTeams(const std::vector<double>& figures) {
  SlotArray<double> keys{};
  const int count = static_cast<int>(figures.size());
  for (int team = 1; team <= count; ++team) keys[team] = TeamSortKey(figures[team - 1], team);
  const TeamPlaces places(keys, count);
  std::vector<int> teams;
  for (int place = 1; place <= count; ++place) teams.push_back(places.TeamInPlace(place));
  return teams;
}

// Catches ties broken against the team number, and keys of 1024 and more losing the team.
TEST(TeamPlaces, OrdersByWholePartThenTeamNumber) {
  std::vector<double> thousands(31, 600);
  std::vector<int> thousands_order;
  thousands[29] = 1024, thousands[30] = 1999, thousands[2] = 1024;
  for (int team = 1; team <= 31; ++team)
    if (team != 3 && team < 30) thousands_order.push_back(team);
  thousands_order.insert(thousands_order.end(), {3, 30, 31});
  const std::pair<std::vector<double>, std::vector<int>> cases[] = {
      {{5, 3, 9, 3, 1}, {5, 2, 4, 1, 3}}, {thousands, thousands_order}};
  for (const auto& [figures, teams] : cases) EXPECT_EQ(SortedTeams(figures), teams);
}

TEST(TeamPlaces, FiguresThatAreNoNumbersStillGiveTeamNumbers) {
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
  store.Wins[3] = 7, store.Losses[3] = 3, store.Wins[4] = 3;
  const SlotArray<float> percentages = WinPercentages(store);
  EXPECT_EQ(std::vector<float>(percentages.begin() + 1, percentages.begin() + 5),
            (std::vector<float>{0, 0.5f, 0.7f, 1}));
  // The single percentage times 1000 in double: 7-3 is 699, not 700.
  EXPECT_EQ(TeamSortKey(static_cast<double>(percentages[3]) * 1000, 3), 699.0003);
}

// Catches a long name pushing the columns (the ordinary lines are the golden replay's).
TEST(Standings, LongNamesKeepTheColumns) {
  SeasonStore store = testing::LeagueStore(1999);
  store.LocationName[2] = "A Very Long Location";
  store.Ties[2] = 1;
  EXPECT_EQ(StandingsLines(store, 16)[5],  // the AFC East's first row
            "A Very Long Location      0      0      1    0.500    60.0");
}

struct Result {
  int first;
  int first_points;
  int second;
  int second_points;
};

struct TieCase {
  const char* step;
  bool wild_card;
  ClubGroup clubs;
  std::vector<Result> games;
  int expected;
};

// Each case is decided by its named step; the later steps would pick another club. A game is
// {first team, its points, second team, its points}.
// clang-format off
const std::vector<TieCase> TieCases{
    {"division: head-to-head", false, {1, 2},
     {{1, 21, 2, 20}, {2, 30, 3, 0}, {2, 30, 4, 0}, {3, 10, 1, 0}, {4, 10, 1, 0}}, 1},
    {"division: division record", false, {1, 2},
     {{1, 10, 2, 0}, {2, 10, 1, 0}, {1, 7, 3, 6}, {4, 3, 2, 0}, {2, 40, 17, 0}, {18, 40, 1, 0}}, 1},
    // Club 2's better conference record (it beat club 6) comes after the common games.
    {"division: common games", false, {1, 2},
     {{1, 10, 2, 0}, {2, 10, 1, 0}, {1, 3, 17, 0}, {17, 3, 2, 0}, {2, 30, 18, 0}, {19, 30, 1, 0},
      {2, 7, 6, 0}}, 1},
    {"division: conference record", false, {1, 2},
     {{1, 10, 2, 0}, {2, 10, 1, 0}, {1, 7, 6, 0}, {7, 7, 2, 0}, {2, 50, 17, 0}}, 1},
    {"division: net points in division games", false, {1, 2},
     {{1, 20, 2, 0}, {2, 10, 1, 0}, {2, 50, 17, 0}, {18, 1, 1, 0}}, 1},
    {"division: net points in all games", false, {1, 2},
     {{1, 10, 2, 0}, {2, 10, 1, 0}, {1, 20, 17, 0}, {2, 30, 18, 0}}, 2},
    {"division, three clubs: head-to-head", false, {1, 2, 3},
     {{3, 1, 1, 0}, {3, 1, 2, 0}, {1, 1, 2, 0}, {1, 50, 17, 0}, {2, 50, 18, 0}}, 3},
    {"division, three clubs: back to the two-club steps (head-to-head)", false, {1, 2, 3},
     {{1, 7, 2, 0}, {3, 7, 1, 0}, {2, 7, 3, 0}, {1, 7, 3, 0}, {2, 7, 3, 0}, {2, 7, 4, 0},
      {2, 7, 5, 0}, {4, 7, 1, 0}}, 1},
    {"wild card: head-to-head", true, {1, 6},
     {{1, 7, 6, 0}, {6, 7, 7, 0}, {6, 7, 8, 0}, {2, 7, 1, 0}, {3, 7, 1, 0}}, 1},
    {"wild card: conference record", true, {1, 6},
     {{1, 40, 17, 0}, {2, 7, 1, 0}, {6, 7, 7, 0}, {18, 7, 6, 0}}, 6},
    {"wild card: common games", true, {1, 6},
     {{1, 7, 12, 0}, {1, 7, 13, 0}, {1, 7, 14, 0}, {15, 7, 1, 0}, {2, 7, 1, 0}, {6, 7, 12, 0},
      {6, 7, 13, 0}, {14, 7, 6, 0}, {15, 7, 6, 0}, {6, 50, 7, 0}}, 1},
    {"wild card: net points in conference games", true, {1, 6},
     {{1, 10, 2, 0}, {6, 3, 7, 0}, {6, 50, 17, 0}, {18, 1, 1, 0}}, 1},
    {"wild card: fewer than four common games pass to net points (net points in conference games)", true, {1, 6},
     {{1, 7, 12, 0}, {1, 7, 13, 0}, {14, 7, 1, 0}, {2, 7, 1, 0}, {6, 7, 12, 0}, {13, 7, 6, 0},
      {14, 7, 6, 0}, {6, 50, 7, 0}}, 6},
    {"wild card, clubs of one division: head-to-head", true, {1, 2}, {{1, 7, 2, 0}, {2, 7, 3, 0}}, 1},
    {"wild card, three clubs: best of each division first (head-to-head)", true, {1, 2, 6},
     {{2, 7, 1, 0}, {6, 7, 2, 0}, {1, 7, 3, 0}, {1, 7, 4, 0}, {1, 7, 5, 0}, {7, 7, 6, 0},
      {8, 7, 6, 0}}, 6},
    {"wild card, three clubs: a sweep (head-to-head sweep)", true, {1, 6, 12},
     {{12, 7, 1, 0}, {12, 7, 6, 0}, {1, 7, 2, 0}, {1, 7, 3, 0}, {6, 7, 7, 0}, {6, 7, 8, 0},
      {13, 7, 12, 0}, {14, 7, 12, 0}}, 12},
    {"wild card, three clubs: the swept club drops out (conference record)", true, {1, 6, 12},
     {{6, 7, 1, 0}, {12, 7, 1, 0}, {1, 7, 2, 0}, {1, 7, 3, 0}, {1, 7, 4, 0}, {1, 7, 5, 0},
      {1, 7, 13, 0}, {6, 7, 7, 0}, {8, 7, 6, 0}, {13, 7, 12, 0}}, 6},
    {"wild card, three clubs: conference record", true, {1, 6, 12},
     {{1, 7, 2, 0}, {3, 7, 1, 0}, {6, 7, 7, 0}, {6, 7, 8, 0}, {13, 7, 12, 0}, {14, 7, 12, 0},
      {12, 90, 17, 0}}, 6},
};
// clang-format on

TEST(TieBreakSteps, EachStepDecidesItsCase) {
  for (const TieCase& tie : TieCases) {
    SCOPED_TRACE(tie.step);
    LeagueTable table;
    for (const Result& game : tie.games)
      table.AddGame(game.first, game.second, game.first_points, game.second_points);
    PlayoffRandom random(7);
    std::string_view decided;
    EXPECT_EQ(tie.wild_card ? BreakWildCardTie(table, tie.clubs, random, &decided)
                            : BreakDivisionTie(table, tie.clubs, random, &decided),
              tie.expected);
    // What set the club apart: the step in brackets, or else the one the case is named by.
    const std::string name = tie.step;
    const auto open = name.find('(');
    EXPECT_EQ(decided, open == std::string::npos ? name.substr(name.find(": ") + 2)
                                                 : name.substr(open + 1, name.size() - open - 2));
  }
}

TEST(TieBreakSteps, ClubsLevelOnEveryStepDrawLots) {
  LeagueTable table;
  table.AddGame(1, 2, 10, 0);
  table.AddGame(2, 1, 10, 0);
  bool drawn[3] = {};
  for (uint64_t seed = 1; seed <= 20; ++seed) {
    PlayoffRandom random(seed);
    std::string_view decided;
    drawn[BreakDivisionTie(table, {1, 2}, random, &decided)] = true;
    EXPECT_EQ(decided, "drawn by lot");
  }
  EXPECT_TRUE(drawn[1] && drawn[2]);
}

struct RealSeeds {
  const char* season;
  ConferenceSeeds afc;
  ConferenceSeeds nfc;
};

// The seeds the league gave, several of them through tie-breaks.
const RealSeeds RealSeasons[] = {
    {"1999", {9, 2, 16, 11, 1, 3}, {30, 26, 21, 25, 18, 23}},
    {"2000", {11, 14, 3, 6, 12, 2}, {19, 25, 29, 20, 26, 30}},
};

TEST(PlayoffOdds, FinalStandingsGiveTheRealSeeds) {
  for (const RealSeeds& real : RealSeasons) {
    SCOPED_TRACE(real.season);
    testing::OpenedCase opened(real.season);
    OddsOptions options;
    options.runs = 50;
    options.seed = 3;
    const auto odds = ShowPlayoffOdds(opened.session, options);
    ASSERT_TRUE(odds.has_value());
    for (int seed = 1; seed <= 6; ++seed) {
      EXPECT_EQ(odds->teams[real.afc[seed - 1]].seeds[seed - 1], 50) << "AFC seed " << seed;
      EXPECT_EQ(odds->teams[real.nfc[seed - 1]].seeds[seed - 1], 50) << "NFC seed " << seed;
    }
  }
}

// Half way through 2000: records are the standings', and the stages add up.
TEST(PlayoffOdds, HalfSeasonOddsAddUp) {
  testing::OpenedCase opened("2000");
  opened.store.LastScoredWeek = 8;
  OddsOptions options;
  options.runs = 400;
  options.seed = 11;
  const auto odds = ShowPlayoffOdds(opened.session, options);
  ASSERT_TRUE(odds.has_value());
  EXPECT_EQ(odds->played_through, 8);
  int division = 0, playoffs = 0, rest = 0, title = 0, seeded = 0;
  int final_game[2] = {};  // by conference: one finalist of each every run
  for (int team = 1; team <= LeagueTeamCount; ++team) {
    const TeamOdds& team_odds = odds->teams[team];
    EXPECT_EQ(odds->records[team].won, opened.store.Wins[team]) << team;
    EXPECT_EQ(odds->records[team].lost, opened.store.Losses[team]) << team;
    division += team_odds.division;
    playoffs += team_odds.playoffs;
    rest += team_odds.rest;
    final_game[league::ConferenceOf(team) == league::Conference::Nfc] += team_odds.final_game;
    title += team_odds.title;
    for (int count : team_odds.seeds) seeded += count;
  }
  EXPECT_EQ(std::tuple(division, playoffs, seeded, rest, final_game[0], final_game[1], title),
            std::tuple(6 * 400, 12 * 400, 12 * 400, 4 * 400, 400, 400, 400));
}

// Each team's last week is the odds as they stand now, and the store is left alone.
TEST(PlayoffOdds, HistoryGivesEachWeeksOddsAndKeepsTheStore) {
  testing::OpenedCase opened("2000");
  opened.store.LastScoredWeek = 6;
  ASSERT_TRUE(LoadLastScoredBlock(opened.session));
  const SeasonStore before = opened.store;
  OddsOptions options;
  options.runs = 100;
  const auto histories = ShowOddsHistory(opened.session, {30, 19}, options);
  ASSERT_TRUE(histories.has_value());
  ASSERT_EQ(histories->size(), 2u);
  EXPECT_EQ(opened.store.Cqr, before.Cqr);
  EXPECT_EQ(opened.store.LastScoredWeek, 6);
  const auto now = ShowPlayoffOdds(opened.session, options);
  ASSERT_TRUE(now.has_value());
  for (const OddsHistory& history : *histories) {
    ASSERT_EQ(history.weeks.size(), 6u);
    EXPECT_EQ(history.weeks.back().playoffs, now->teams[history.team].playoffs);
    EXPECT_EQ(history.weeks.back().division, now->teams[history.team].division);
  }
}

}  // namespace
}  // namespace tavrin
