// Only stages proven by records or by a finished season's seeding show as certain.

#include "analysis/playoff_proofs.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "analysis/playoff_odds.h"

namespace tavrin {
namespace {

// The proofs in the 31-team league.
ProvenTable ProvePlayoffStages(const std::vector<SeasonGame>& games, bool by_seeding) {
  return tavrin::ProvePlayoffStages(*LeagueOf(FirstLeagueYear), games, by_seeding);
}

// A conference built game by game: every AFC club's games are against NFC clubs 29 to 31, so
// that one club's record moves no other AFC club's.
class ConstructedSeason {
 public:
  struct Club {
    int team, won, lost, left;
  };
  ConstructedSeason() = default;
  explicit ConstructedSeason(std::initializer_list<Club> clubs) {
    for (const Club& club : clubs) Record(club.team, club.won, club.lost, club.left);
  }
  ConstructedSeason& Record(int team, int won, int lost, int left = 0) {
    for (int game = 0; game < won; ++game) Add(team, 31, 7, 0);
    for (int game = 0; game < lost; ++game) Add(team, 30, 0, 7);
    for (int game = 0; game < left; ++game) games_.push_back({1, team, 29, false, 0, 0});
    return *this;
  }
  ConstructedSeason& Game(int visitor, int home, int visitor_points, int home_points) {
    Add(visitor, home, visitor_points, home_points);
    return *this;
  }
  const std::vector<SeasonGame>& games() const { return games_; }

 private:
  void Add(int visitor, int home, int visitor_points, int home_points) {
    games_.push_back({1, visitor, home, true, visitor_points, home_points});
  }
  std::vector<SeasonGame> games_;
};

// Every AFC club but those named gets a record of its own, n wins in 13 games for club n + 3,
// so that no seeding outside the named clubs needs lots.
ConstructedSeason SpreadConference(std::initializer_list<int> named) {
  ConstructedSeason season;
  for (int team = 1; team <= league::LastAfcTeam; ++team) {
    if (std::find(named.begin(), named.end(), team) == named.end())
      season.Record(team, team - 3, 16 - team);
  }
  return season;
}

struct ProofCase {
  const char* what;
  ConstructedSeason season;
  int team;
  OddsStatus status;
};

// Catches a proof one club off at each boundary, and a tie the rules settle at the season's end.
TEST(PlayoffProofs, EachStatusIsProvenExactlyWhereNoResultLeftCanChangeIt) {
  const auto everyone = [](int won, int lost, int left) {
    ConstructedSeason season;
    for (int team = 2; team <= league::LastAfcTeam; ++team) season.Record(team, won, lost, left);
    return season;
  };
  const ConstructedSeason head_to_head =
      SpreadConference({1, 2}).Game(2, 1, 3, 10).Record(1, 6, 7).Record(2, 7, 6);
  const ConstructedSeason three_threats({{1, 8, 4, 0}, {2, 7, 4, 1}, {6, 8, 4, 0}, {12, 9, 3, 0}});
  const ConstructedSeason five_ahead(
      {{5, 2, 9, 1}, {1, 8, 4, 0}, {6, 8, 4, 0}, {7, 8, 4, 0}, {12, 8, 4, 0}, {13, 8, 4, 0}});
  ProofCase cases[] = {
      {"all others can reach 6 of its 10 wins", everyone(4, 8, 2).Record(1, 10, 2), 1,
       OddsStatus::ClinchedRest},
      {"one club ahead for certain", everyone(4, 8, 2).Record(1, 10, 2), 2, OddsStatus::None},
      {"three threats", three_threats, 1, OddsStatus::ClinchedPlayoffs},
      {"four threats", ConstructedSeason(three_threats).Record(13, 8, 3, 1), 1, OddsStatus::None},
      {"five ahead from three divisions", five_ahead, 5, OddsStatus::None},
      {"six ahead from three divisions", ConstructedSeason(five_ahead).Record(8, 8, 4), 5,
       OddsStatus::Eliminated},
      // Buffalo and Indianapolis finish 7-7; Buffalo won their game, which decides the division.
      {"head-to-head winner", head_to_head, 1, OddsStatus::ClinchedDivision},
      {"head-to-head loser", head_to_head, 2, OddsStatus::Eliminated},
      {"the same records with a game left",
       SpreadConference({1, 2}).Game(2, 1, 3, 10).Record(1, 6, 7).Record(2, 7, 5, 1), 2,
       OddsStatus::None},
  };

  for (const ProofCase& c : cases) {
    const auto stages = ProvePlayoffStages(c.season.games(), true);
    EXPECT_EQ(StatusOf(stages[c.team]), c.status) << c.what;
  }
}

// Catches a seed proven from picked results, whose margins are made up.
TEST(PlayoffProofs, AFinishedSeasonKnowsItsSeedsUnlessItsScoresArePicked) {
  const auto season =
      SpreadConference({1, 2}).Game(2, 1, 3, 10).Record(1, 6, 7).Record(2, 7, 6).games();
  EXPECT_EQ(ProvePlayoffStages(season, true)[1].seed, 3);  // behind 16 (13-0) and 11 (8-5)
  EXPECT_EQ(ProvePlayoffStages(season, true)[16].seed, 1);
  EXPECT_EQ(StatusOf(ProvePlayoffStages(season, false)[1]), OddsStatus::None);
}

TEST(PlayoffOddsText, OnlyAProvenFigureShowsAsCertain) {
  const struct {
    int count, runs;
    bool in, out;
    const char* text;
  } cases[] = {
      {1000, 1000, false, false, ">99.9"},  {999, 1000, false, false, "99.9"},
      {9996, 10000, false, false, ">99.9"}, {0, 1000, false, false, "<0.1"},
      {4, 10000, false, false, "<0.1"},     {1, 1000, false, false, "0.1"},
      {1000, 1000, true, false, "100.0"},   {0, 1000, false, true, "0.0"},
      {500, 1000, false, false, "50.0"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(OddsFigureText(c.count, c.runs, c.in, c.out), c.text) << c.count << "/" << c.runs;
}

}  // namespace
}  // namespace tavrin
