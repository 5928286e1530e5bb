// Each tie-break step on a small constructed season of 2002 in which the clubs are level on every
// earlier step and apart on this one, and the rules for restarting and for one club a division.

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
    std::string visitor;
    std::string home;
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

struct StepCase {
  const char* name;
  const char* first;   // the club placed ahead
  const char* second;  // the club it was level with
  Decider decider;
  const char* games;  // as Rank reads them
};

// Buffalo and Miami share a division and finish level.
TEST(TieBreak, EachDivisionStepPartsTwoLevelClubs) {
  const StepCase cases[] = {
      {"head-to-head", "BUF", "MIA", Decider::HeadToHead,
       "BUF 20 MIA 10, MIA 20 DAL 10, DEN 20 BUF 10"},
      {"division record", "BUF", "MIA", Decider::DivisionRecord,
       "BUF 20 MIA 10, MIA 20 BUF 10, BUF 20 NE 10, MIA 20 DAL 10"},
      {"common games", "BUF", "MIA", Decider::CommonGames,
       "BUF 20 MIA 10, MIA 20 BUF 10, BUF 20 DAL 10, SEA 20 BUF 10, DAL 20 MIA 10, MIA 20 SF 10"},
      {"conference record", "BUF", "MIA", Decider::ConferenceRecord,
       "BUF 20 MIA 10, MIA 20 BUF 10, BUF 20 DEN 10, DAL 20 BUF 10, KC 20 MIA 10, MIA 20 SF 10"},
      {"strength of victory", "BUF", "MIA", Decider::StrengthOfVictory,
       "BUF 20 DEN 10, KC 20 BUF 10, MIA 20 OAK 10, SD 20 MIA 10, DEN 20 NE 10"},
      {"strength of schedule", "BUF", "MIA", Decider::StrengthOfSchedule,
       "BUF 20 DEN 10, KC 20 BUF 10, MIA 20 OAK 10, SD 20 MIA 10, KC 20 NE 10"},
      // Buffalo scores more, both allow as much.
      {"points rank in the conference", "BUF", "MIA", Decider::ConferencePointsRank,
       "BUF 25 DEN 10, KC 20 BUF 15, MIA 20 OAK 5, SD 25 MIA 10"},
      // One place apart each way in the conference; Dallas scores between them in the league.
      {"points rank in the league", "BUF", "MIA", Decider::LeaguePointsRank,
       "BUF 25 DEN 10, KC 20 BUF 15, MIA 20 OAK 5, SD 24 MIA 10, DAL 35 NYG 0"},
      {"net points in common games", "BUF", "MIA", Decider::CommonNetPoints,
       "BUF 20 DEN 10, KC 20 BUF 10, MIA 15 DEN 10, SD 20 MIA 15"},
      {"net points in all games", "BUF", "MIA", Decider::NetPoints,
       "BUF 25 DEN 10, KC 21 BUF 15, MIA 20 OAK 5, SD 25 MIA 10"},
  };
  for (const StepCase& step : cases) {
    const LeagueStandings standings = Rank(step.games);
    const Placement& first = DivisionOf(standings, step.first).front();
    EXPECT_EQ(first.team, Team(step.first)) << step.name;
    EXPECT_EQ(first.decider, step.decider) << step.name;
    EXPECT_EQ(first.over, std::vector<int>{Team(step.second)}) << step.name;
  }
}

// Buffalo and Baltimore win their divisions with equal records: the wild-card steps order them.
TEST(TieBreak, EachWildCardStepPartsTwoClubsOfDifferentDivisions) {
  const StepCase cases[] = {
      {"head-to-head", "BUF", "BAL", Decider::HeadToHead,
       "BUF 20 BAL 10, BAL 20 DAL 10, DEN 20 BUF 10"},
      {"conference record", "BUF", "BAL", Decider::ConferenceRecord,
       "BUF 20 DEN 10, DAL 20 BUF 10, KC 20 BAL 10, BAL 20 NYG 10"},
      {"common games, four of them", "BUF", "BAL", Decider::CommonGamesAtLeastFour,
       "BUF 20 DAL 10, BUF 20 NYG 10, BUF 20 PHI 10, WAS 20 BUF 10, DET 20 BUF 10, BAL 20 DAL 10, "
       "BAL 20 NYG 10, PHI 20 BAL 10, WAS 20 BAL 10, BAL 20 CHI 10"},
      // One common game is too few: strength of victory decides instead.
      {"too few common games", "BUF", "BAL", Decider::StrengthOfVictory,
       "BUF 20 DAL 10, NYG 20 BUF 10, DAL 20 BAL 10, BAL 20 PHI 10"},
      {"net points in conference games", "BUF", "BAL", Decider::ConferenceNetPoints,
       "BUF 20 DEN 10, DAL 20 BUF 10, BAL 15 KC 10, NYG 20 BAL 15"},
  };
  for (const StepCase& step : cases) {
    const LeagueStandings standings = Rank(step.games);
    const auto& seeds = standings.seeds[0];
    const auto first = std::find_if(seeds.begin(), seeds.end(), [&](const Placement& seed) {
      return seed.team == Team(step.first);
    });
    ASSERT_NE(first, seeds.end()) << step.name;
    ASSERT_NE(first + 1, seeds.end()) << step.name;
    EXPECT_EQ((first + 1)->team, Team(step.second)) << step.name;
    EXPECT_EQ(first->decider, step.decider) << step.name;
    EXPECT_EQ(first->over, std::vector<int>{Team(step.second)}) << step.name;
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
