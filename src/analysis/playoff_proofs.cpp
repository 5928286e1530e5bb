#include "analysis/playoff_proofs.h"

#include <algorithm>

#include "analysis/league_table.h"
#include "analysis/played_games.h"
#include "analysis/playoff_random.h"
#include "analysis/tiebreakers.h"
#include "league/league_standings.h"

namespace tavrin {

namespace {

constexpr int Slots = MostLeagueTeams + 1;

// A conference's play-off places in `league`: those won by a division title, the wild cards and
// the first-round rests.
struct Places {
  int division_winners;
  int wild_cards;
  int rests;
};

Places PlacesOf(const SeasonLeague& league) {
  const int winners = static_cast<int>(league.divisions.size()) / 2;
  return {winners, league.seeds_per_conference - winners, league.resting_seeds};
}

// Records in half wins, so that a tie is one and every comparison stays whole.
struct RecordBounds {
  std::array<int, Slots> least{};  // what the games played have given
  std::array<int, Slots> most{};   // if every game left is won
  std::array<int, Slots> games{};  // played and left: what the percentage is taken over
};

RecordBounds BoundsOf(const SeasonLeague& league, const std::vector<SeasonGame>& games) {
  RecordBounds bounds;
  for (const SeasonGame& game : games) {
    ++bounds.games[game.visitor];
    ++bounds.games[game.home];
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
  // The 31-team league's seasons give every club the same games: its records are weighed by
  // half wins alone, as one game apiece.
  if (league.rules == SeedingRules::SixDivisions) bounds.games.fill(1);
  return bounds;
}

// A team can finish level with or ahead of another only if its best percentage can reach the
// other's least; "ahead for certain" needs more than the other's best. The percentages are
// compared across their games (a season may leave two clubs a game short of the others).
bool AheadForCertain(const RecordBounds& bounds, int team, int other) {
  return bounds.least[team] * bounds.games[other] > bounds.most[other] * bounds.games[team];
}

void ProveByRecords(const SeasonLeague& league, const RecordBounds& bounds, int team,
                    ProvenStages& stages) {
  const int own_division = league.DivisionIndexOf(team);
  const league::Conference conference = league.ConferenceOf(team);
  const Places places = PlacesOf(league);
  bool wins_division = true;
  // Threats: the other clubs of the conference that can still finish level or ahead.
  int threats = 0;
  // Divisions besides its own that can still crown a club level or ahead.
  int rival_divisions = 0;
  // Clubs ahead for certain, and among them how many divisions they come from.
  int ahead = 0;
  int divisions_ahead = 0;
  for (int index = 0; index < static_cast<int>(league.divisions.size()); ++index) {
    const league::Division& division = league.divisions[static_cast<std::size_t>(index)];
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
  // Not winning the division, a club still takes a wild card while fewer clubs than there are
  // wild cards that are no division winner finish ahead of it. Its own division's winner is one
  // of the threats.
  stages.playoffs = wins_division || threats <= places.wild_cards;
  stages.rest = wins_division && rival_divisions < places.rests;
  // At most one club ahead for certain per division can be that division's winner.
  const bool out_of_wild_cards = ahead - divisions_ahead >= places.wild_cards;
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

// Each conference's seeds, seed 1 first, or nothing for a conference whose seeding needed lots.
std::array<std::vector<int>, 2> SeedsWithoutLots(const SeasonLeague& league,
                                                 const std::vector<SeasonGame>& games) {
  std::array<std::vector<int>, 2> seeds;
  if (league.rules == SeedingRules::SixDivisions) {
    LeagueTable table;
    for (const SeasonGame& game : games) {
      table.AddGame(game.visitor, game.home, game.visitor_points, game.home_points);
    }
    for (const league::Conference conference : {league::Conference::Afc, league::Conference::Nfc}) {
      ConferenceSeeds conference_seeds;
      if (SeedWithoutLots(table, conference, conference_seeds)) {
        seeds[static_cast<std::size_t>(conference)].assign(conference_seeds.begin(),
                                                           conference_seeds.end());
      }
    }
    return seeds;
  }
  // A draw, wherever it was held, leaves both conferences unproven.
  bool drawn = false;
  const LeagueStandings standings =
      RankLeague(ClubRecords(league, PlayedGamesOf(games)), [&drawn](std::span<const int>) {
        drawn = true;
        return std::size_t{0};
      });
  if (drawn) return seeds;
  for (std::size_t conference = 0; conference < seeds.size(); ++conference) {
    for (const Placement& placement : standings.seeds[conference]) {
      seeds[conference].push_back(placement.team);
    }
  }
  return seeds;
}

void ProveBySeeding(const SeasonLeague& league, const std::vector<SeasonGame>& games,
                    ProvenTable& stages) {
  const Places places = PlacesOf(league);
  const auto seeded = SeedsWithoutLots(league, games);
  for (int team = 1; team <= league.team_count(); ++team) {
    const std::vector<int>& seeds = seeded[static_cast<std::size_t>(league.ConferenceOf(team))];
    if (seeds.empty()) continue;
    const auto at = std::find(seeds.begin(), seeds.end(), team) - seeds.begin();
    ProvenStages& proven = stages[team];
    proven.division = at < places.division_winners;
    proven.playoffs = at < places.division_winners + places.wild_cards;
    proven.rest = at < places.rests;
    proven.out_of_division = !proven.division;
    proven.out_of_playoffs = !proven.playoffs;
    proven.out_of_rest = !proven.rest;
    proven.seed = proven.playoffs ? static_cast<int>(at) + 1 : 0;
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

ProvenTable ProvePlayoffStages(const SeasonLeague& league, const std::vector<SeasonGame>& games,
                               bool by_seeding) {
  ProvenTable stages{};
  const RecordBounds bounds = BoundsOf(league, games);
  for (int team = 1; team <= league.team_count(); ++team) {
    ProveByRecords(league, bounds, team, stages[team]);
  }
  const bool season_over =
      std::all_of(games.begin(), games.end(), [](const SeasonGame& game) { return game.played; });
  if (season_over && by_seeding) ProveBySeeding(league, games, stages);
  return stages;
}

}  // namespace tavrin
