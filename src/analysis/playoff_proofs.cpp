#include "analysis/playoff_proofs.h"

#include <algorithm>

#include "analysis/league_table.h"
#include "analysis/playoff_random.h"
#include "analysis/tiebreakers.h"

namespace tavrin {

namespace {

constexpr int Slots = LeagueTeamCount + 1;
constexpr int DivisionWinners = 3;  // a conference's play-off places won by a division title
constexpr int WildCards = 3;
constexpr int RestPlaces = 2;

// Records in half wins, so that a tie is one and every comparison stays whole.
struct RecordBounds {
  std::array<int, Slots> least{};  // what the games played have given
  std::array<int, Slots> most{};   // if every game left is won
};

RecordBounds BoundsOf(const std::vector<SeasonGame>& games) {
  RecordBounds bounds;
  for (const SeasonGame& game : games) {
    if (!game.played) {
      bounds.most[game.visitor] += 2;
      bounds.most[game.home] += 2;
      continue;
    }
    const int visitor = game.visitor_points > game.home_points    ? 2
                        : game.visitor_points == game.home_points ? 1
                                                                  : 0;
    bounds.least[game.visitor] += visitor;
    bounds.least[game.home] += 2 - visitor;
  }
  for (int team = 1; team < Slots; ++team) bounds.most[team] += bounds.least[team];
  return bounds;
}

// A team can finish level with or ahead of another only if its best can reach the other's
// least; "ahead for certain" needs more than the other's best.
bool AheadForCertain(const RecordBounds& bounds, int team, int other) {
  return bounds.least[team] > bounds.most[other];
}

void ProveByRecords(const RecordBounds& bounds, int team, ProvenStages& stages) {
  const int own_division = league::DivisionIndexOf(team);
  const league::Conference conference = league::ConferenceOf(team);
  bool wins_division = true;
  // Threats: the other clubs of the conference that can still finish level or ahead.
  int threats = 0;
  // Divisions besides its own that can still crown a club level or ahead.
  int rival_divisions = 0;
  // Clubs ahead for certain, and among them how many divisions they come from.
  int ahead = 0;
  int divisions_ahead = 0;
  for (int index = 0; index < league::DivisionCount; ++index) {
    const league::Division& division = league::Divisions[index];
    if (division.conference != conference) continue;
    bool threatens = false;
    bool leads = false;
    for (int other = division.first_team; other <= division.last_team; ++other) {
      if (other == team) continue;
      const bool threat = !AheadForCertain(bounds, team, other);
      threats += threat;
      threatens = threatens || threat;
      if (AheadForCertain(bounds, other, team)) {
        ++ahead;
        leads = true;
        if (index == own_division) stages.out_of_division = true;
      }
    }
    if (index == own_division) {
      wins_division = !threatens;
    } else {
      rival_divisions += threatens;
    }
    divisions_ahead += leads;
  }
  stages.division = wins_division;
  // Not winning the division, a club still takes a wild card while fewer than three clubs that
  // are no division winner finish ahead of it. Its own division's winner is one of the threats.
  stages.playoffs = wins_division || threats <= WildCards;
  stages.rest = wins_division && rival_divisions < RestPlaces;
  // At most one club ahead for certain per division can be that division's winner.
  const bool out_of_wild_cards = ahead - divisions_ahead >= WildCards;
  stages.out_of_playoffs = stages.out_of_division && out_of_wild_cards;
  stages.out_of_rest = stages.out_of_division;
}

// Lots are drawn only by asking the random numbers: if a seeding left them as they were, the
// tie-break rules alone decided it.
bool SeedWithoutLots(const LeagueTable& table, league::Conference conference,
                     ConferenceSeeds& seeds) {
  PlayoffRandom random(0);
  PlayoffRandom untouched(0);
  seeds = SeedConference(table, conference, random);
  return random.Next() == untouched.Next();
}

void ProveBySeeding(const std::vector<SeasonGame>& games, std::array<ProvenStages, Slots>& stages) {
  LeagueTable table;
  for (const SeasonGame& game : games) {
    table.AddGame(game.visitor, game.home, game.visitor_points, game.home_points);
  }
  for (const league::Conference conference : {league::Conference::Afc, league::Conference::Nfc}) {
    ConferenceSeeds seeds;
    if (!SeedWithoutLots(table, conference, seeds)) continue;
    for (int team = 1; team < Slots; ++team) {
      if (league::ConferenceOf(team) != conference) continue;
      const auto at = std::find(seeds.begin(), seeds.end(), team) - seeds.begin();
      ProvenStages& proven = stages[team];
      proven.division = at < DivisionWinners;
      proven.playoffs = at < DivisionWinners + WildCards;
      proven.rest = at < RestPlaces;
      proven.out_of_division = !proven.division;
      proven.out_of_playoffs = !proven.playoffs;
      proven.out_of_rest = !proven.rest;
      proven.seed = proven.playoffs ? static_cast<int>(at) + 1 : 0;
    }
  }
}

}  // namespace

OddsStatus StatusOf(const ProvenStages& stages) {
  if (stages.rest) return OddsStatus::ClinchedRest;
  if (stages.division) return OddsStatus::ClinchedDivision;
  if (stages.playoffs) return OddsStatus::ClinchedPlayoffs;
  if (stages.out_of_playoffs) return OddsStatus::Eliminated;
  return OddsStatus::None;
}

std::array<ProvenStages, LeagueTeamCount + 1> ProvePlayoffStages(
    const std::vector<SeasonGame>& games, bool by_seeding) {
  std::array<ProvenStages, Slots> stages{};
  const RecordBounds bounds = BoundsOf(games);
  for (int team = 1; team < Slots; ++team) ProveByRecords(bounds, team, stages[team]);
  const bool season_over =
      std::all_of(games.begin(), games.end(), [](const SeasonGame& game) { return game.played; });
  if (season_over && by_seeding) ProveBySeeding(games, stages);
  return stages;
}

}  // namespace tavrin
