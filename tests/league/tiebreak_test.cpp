// Each tie-break step on a made-up 2002 season whose clubs are level on every earlier step.

#include <gtest/gtest.h>

#include <sstream>

#include "league/club_records.h"
#include "league/league_standings.h"

namespace tavrin {
namespace {

const SeasonLeague& League() {
  static const SeasonLeague league = *LeagueOf(2002);
  return league;
}

int Team(const std::string& code) { return League().TeamOfCode(code).value(); }

// "BUF 20 MIA 10, ...": Buffalo scored 20 at Miami, which scored 10; then the next game.
std::vector<PlayedGame> Games(const std::string& text) {
  std::vector<PlayedGame> games;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line, ',');) {
    std::istringstream in(line);
    std::string visitor, home;
    PlayedGame game;
    in >> visitor >> game.visitor_points >> home >> game.home_points;
    game.visitor = Team(visitor);
    game.home = Team(home);
    games.push_back(game);
  }
  return games;
}

LeagueStandings Rank(const std::string& text, const DrawLots& draw = SeasonDraw(2002)) {
  const std::vector<PlayedGame> games = Games(text);
  return RankLeague(ClubRecords(League(), games), draw);
}

const std::vector<Placement>& DivisionOf(const LeagueStandings& standings,
                                         const std::string& code) {
  return standings.divisions[static_cast<std::size_t>(League().DivisionIndexOf(Team(code)))];
}

// A step's name, the step that parts the two clubs, and the games as Rank reads them.
using StepCase = std::tuple<const char*, Decider, const char*>;

// Buffalo and Miami share a division and finish level.
TEST(TieBreak, EachDivisionStepPartsTwoLevelClubs) {
  const StepCase cases[] = {
      {"head-to-head", Decider::HeadToHead, "BUF 20 MIA 10, MIA 20 DAL 10, DEN 20 BUF 10"},
      {"division record", Decider::DivisionRecord,
       "BUF 20 MIA 10, MIA 20 BUF 10, BUF 20 NE 10, MIA 20 DAL 10"},
      {"common games", Decider::CommonGames,
       "BUF 20 MIA 10, MIA 20 BUF 10, BUF 20 DAL 10, SEA 20 BUF 10, DAL 20 MIA 10, MIA 20 SF 10"},
      {"conference record", Decider::ConferenceRecord,
       "BUF 20 MIA 10, MIA 20 BUF 10, BUF 20 DEN 10, DAL 20 BUF 10, KC 20 MIA 10, MIA 20 SF 10"},
      {"strength of victory", Decider::StrengthOfVictory,
       "BUF 20 DEN 10, KC 20 BUF 10, MIA 20 OAK 10, SD 20 MIA 10, DEN 20 NE 10"},
      {"strength of schedule", Decider::StrengthOfSchedule,
       "BUF 20 DEN 10, KC 20 BUF 10, MIA 20 OAK 10, SD 20 MIA 10, KC 20 NE 10"},
      // Buffalo scores more, both allow as much.
      {"points rank in the conference", Decider::ConferencePointsRank,
       "BUF 25 DEN 10, KC 20 BUF 15, MIA 20 OAK 5, SD 25 MIA 10"},
      // One place apart each way in the conference; Dallas scores between them in the league.
      {"points rank in the league", Decider::LeaguePointsRank,
       "BUF 25 DEN 10, KC 20 BUF 15, MIA 20 OAK 5, SD 24 MIA 10, DAL 35 NYG 0"},
      {"net points in common games", Decider::CommonNetPoints,
       "BUF 20 DEN 10, KC 20 BUF 10, MIA 15 DEN 10, SD 20 MIA 15"},
      {"net points in all games", Decider::NetPoints,
       "BUF 25 DEN 10, KC 21 BUF 15, MIA 20 OAK 5, SD 25 MIA 10"},
  };
  for (const auto& [name, decider, games] : cases) {
    const Placement first = DivisionOf(Rank(games), "BUF").front();
    EXPECT_EQ(first.team, Team("BUF")) << name;
    EXPECT_EQ(first.decider, decider) << name;
    EXPECT_EQ(first.over, std::vector<int>{Team("MIA")}) << name;
  }
}

// Buffalo and Baltimore win their divisions with equal records: the wild-card steps order them.
TEST(TieBreak, EachWildCardStepPartsTwoClubsOfDifferentDivisions) {
  const StepCase cases[] = {
      {"head-to-head", Decider::HeadToHead, "BUF 20 BAL 10, BAL 20 DAL 10, DEN 20 BUF 10"},
      {"conference record", Decider::ConferenceRecord,
       "BUF 20 DEN 10, DAL 20 BUF 10, KC 20 BAL 10, BAL 20 NYG 10"},
      {"common games, four of them", Decider::CommonGamesAtLeastFour,
       "BUF 20 DAL 10, BUF 20 NYG 10, BUF 20 PHI 10, WAS 20 BUF 10, DET 20 BUF 10, BAL 20 DAL 10, "
       "BAL 20 NYG 10, PHI 20 BAL 10, WAS 20 BAL 10, BAL 20 CHI 10"},
      // One common game is too few: strength of victory decides instead.
      {"too few common games", Decider::StrengthOfVictory,
       "BUF 20 DAL 10, NYG 20 BUF 10, DAL 20 BAL 10, BAL 20 PHI 10"},
      {"net points in conference games", Decider::ConferenceNetPoints,
       "BUF 20 DEN 10, DAL 20 BUF 10, BAL 15 KC 10, NYG 20 BAL 15"},
  };
  for (const auto& [name, decider, games] : cases) {
    const auto seeds = Rank(games).seeds[0];
    const auto first = std::find_if(seeds.begin(), seeds.end(),
                                    [](const Placement& seed) { return seed.team == Team("BUF"); });
    ASSERT_LT(first - seeds.begin() + 1, std::ssize(seeds)) << name;
    EXPECT_EQ((first + 1)->team, Team("BAL")) << name;
    EXPECT_EQ(first->decider, decider) << name;
    EXPECT_EQ(first->over, std::vector<int>{Team("BAL")}) << name;
  }
}

TEST(TieBreak, AClubThatBeatEachOfTheOthersTakesTheFirstOfThreePlaces) {
  const LeagueStandings standings = Rank(
      "BUF 20 BAL 10, BUF 20 HOU 10, DEN 20 BUF 10, KC 20 BUF 10, HOU 20 BAL 10, BAL 20 DAL 10, "
      "BAL 20 NYG 10, HOU 20 PHI 10, WAS 20 HOU 10");
  const auto& seeds = standings.seeds[0];
  ASSERT_GE(seeds.size(), 4u);
  EXPECT_EQ(seeds[1].team, Team("BUF"));
  EXPECT_EQ(seeds[1].decider, Decider::HeadToHeadSweep);
  EXPECT_EQ(PlacementReason(League(), seeds[1]),
            "Buffalo over Baltimore and Houston: head-to-head sweep");
  // The two left start again at the first two-club step.
  EXPECT_EQ(PlacementReason(League(), seeds[2]), "Houston over Baltimore: head-to-head");
  EXPECT_EQ(seeds[3].team, Team("BAL"));
}

TEST(TieBreak, AClubThatLostToEachOfTheOthersDropsOutFirst) {
  // Buffalo has the best conference record of the three but lost to Baltimore and Houston.
  const LeagueStandings standings = Rank(
      "BAL 20 BUF 10, HOU 20 BUF 10, BUF 20 DEN 10, BUF 20 KC 10, BUF 20 OAK 10, SD 20 BAL 10, DEN "
      "20 BAL 10, BAL 20 DAL 10, BAL 20 NYG 10, SD 20 HOU 10, DEN 20 HOU 10, HOU 20 PHI 10, HOU 20 "
      "WAS 10");
  const auto& seeds = standings.seeds[0];
  ASSERT_GE(seeds.size(), 4u);
  EXPECT_EQ(seeds[0].team, Team("SD"));
  EXPECT_EQ(seeds[3].team, Team("BUF"));
}

TEST(TieBreak, TwoClubsLeftOfThreeStartAgainAtTheTwoClubSteps) {
  // The three split their games; New England drops out on division record. Buffalo then beat
  // Miami head-to-head, though Miami did better in the games all three played.
  const LeagueStandings standings = Rank(
      "BUF 20 MIA 10, MIA 20 NE 10, NE 20 BUF 10, BUF 20 NYJ 10, MIA 20 NYJ 10, NYJ 20 NE 10, DAL "
      "20 BUF 10, NYG 20 MIA 10, NE 20 PHI 10");
  const auto& east = DivisionOf(standings, "BUF");
  EXPECT_EQ(PlacementReason(League(), east[0]), "Buffalo over Miami: head-to-head");
  EXPECT_EQ(east[1].team, Team("MIA"));
  EXPECT_EQ(east[2].team, Team("NE"));
  // The other divisions' winners have no wins: Buffalo's seed is owed to its division title.
  EXPECT_EQ(PlacementReason(League(), standings.seeds[0][0]), "Buffalo over Miami: head-to-head");
}

TEST(TieBreak, OnlyTheBestLevelClubOfADivisionContendsForAWildCard) {
  // Miami, New England and Baltimore are level for the two wild cards; Miami beat New England,
  // Baltimore beat Miami, New England beat Baltimore.
  const LeagueStandings standings = Rank(
      "NE 20 BAL 10, BAL 20 MIA 10, MIA 20 NE 10, BUF 20 DAL 10, BUF 20 NYG 10, PIT 20 WAS 10");
  const auto& seeds = standings.seeds[0];
  ASSERT_EQ(seeds.size(), 6u);
  EXPECT_EQ(PlacementReason(League(), seeds[4]), "Baltimore over Miami: head-to-head");
  EXPECT_EQ(PlacementReason(League(), seeds[5]), "Miami over New England: head-to-head");
}

TEST(TieBreak, ClubsLevelOnEveryStepAreDrawnAlike) {
  const std::string games = "BUF 20 DEN 10, MIA 20 OAK 10";
  for (const std::size_t drawn : {0u, 1u}) {
    const auto draw = [drawn](std::span<const int>) { return drawn; };
    const LeagueStandings standings = Rank(games, draw);
    const Placement& first = DivisionOf(standings, "BUF").front();
    EXPECT_EQ(first.team, Team(drawn == 0 ? "BUF" : "MIA"));
    EXPECT_EQ(first.decider, Decider::Draw);
  }
  const int first = DivisionOf(Rank(games), "BUF").front().team;
  for (int run = 0; run < 5; ++run) EXPECT_EQ(DivisionOf(Rank(games), "BUF").front().team, first);
}

TEST(TieBreak, AClubAheadOnRecordNeedsNoTieBreak) {
  const LeagueStandings standings = Rank("BUF 20 MIA 10");
  const Placement& first = DivisionOf(standings, "BUF").front();
  EXPECT_EQ(first.decider, Decider::Record);
  EXPECT_EQ(PlacementReason(League(), first), "record");
}

}  // namespace
}  // namespace tavrin
