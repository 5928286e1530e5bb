#include "league/league_standings.h"

#include <fmt/format.h>

#include <algorithm>
#include <cstdint>

namespace tavrin {

// The league's procedures for clubs that finish level, as this program applies them. Level
// means equal percentages, a tie counting half a win. The level clubs are compared step by
// step; the first step on which their figures differ decides, and a step that cannot be applied
// to them is passed over.
//
// Clubs of one division: head-to-head, division record, common games, conference record,
//   strength of victory, strength of schedule, points rank in the conference, points rank in
//   the league, net points in common games, net points in all games.
// Clubs of different divisions (the wild cards, and the order of the division winners):
//   two clubs: head-to-head when they met, conference record, common games (four or more
//   each), strength of victory, strength of schedule, the two points ranks, net points in
//   conference games, net points in all games;
//   three or more: only the best of each division's level clubs, by the division's own order,
//   stays in; then a head-to-head sweep takes the place of head-to-head.
//
// One place is given at a time. When a club takes it, the others start again from the first
// step for the next place. When a step leaves some clubs behind and several still level, those
// start again from the first step: of the two-club list when two are left.
//
// The rules end with net touchdowns and a coin toss. The games files carry no touchdowns; a draw
// that gives the same club every time for the same clubs and season takes the toss's place.

namespace {

struct Procedure {
  std::span<const Decider> two_clubs;
  std::span<const Decider> more_clubs;
};

constexpr Decider DivisionSteps[] = {Decider::HeadToHead,           Decider::DivisionRecord,
                                     Decider::CommonGames,          Decider::ConferenceRecord,
                                     Decider::StrengthOfVictory,    Decider::StrengthOfSchedule,
                                     Decider::ConferencePointsRank, Decider::LeaguePointsRank,
                                     Decider::CommonNetPoints,      Decider::NetPoints};
constexpr Decider WildCardTwoClubSteps[] = {
    Decider::HeadToHead,        Decider::ConferenceRecord,    Decider::CommonGamesAtLeastFour,
    Decider::StrengthOfVictory, Decider::StrengthOfSchedule,  Decider::ConferencePointsRank,
    Decider::LeaguePointsRank,  Decider::ConferenceNetPoints, Decider::NetPoints};
constexpr Decider WildCardMoreClubSteps[] = {
    Decider::HeadToHeadSweep,   Decider::ConferenceRecord,    Decider::CommonGamesAtLeastFour,
    Decider::StrengthOfVictory, Decider::StrengthOfSchedule,  Decider::ConferencePointsRank,
    Decider::LeaguePointsRank,  Decider::ConferenceNetPoints, Decider::NetPoints};

constexpr Procedure DivisionProcedure{DivisionSteps, DivisionSteps};
constexpr Procedure WildCardProcedure{WildCardTwoClubSteps, WildCardMoreClubSteps};

std::vector<int> Without(std::vector<int> clubs, int club) {
  clubs.erase(std::find(clubs.begin(), clubs.end(), club));
  return clubs;
}

// The club that takes one place among level clubs.
Placement FirstOf(const ClubRecords& records, std::vector<int> clubs, const Procedure& procedure,
                  const DrawLots& draw) {
  if (clubs.size() == 1) return {clubs[0], Decider::Record, {}};
  bool narrowed = true;
  while (narrowed) {
    narrowed = false;
    for (const Decider step : clubs.size() == 2 ? procedure.two_clubs : procedure.more_clubs) {
      const auto figures = StepFigures(records, step, clubs);
      if (!figures) continue;
      const double best = *std::max_element(figures->begin(), figures->end());
      std::vector<int> left;
      for (std::size_t i = 0; i < clubs.size(); ++i) {
        if ((*figures)[i] == best) left.push_back(clubs[i]);
      }
      if (left.size() == 1) return {left[0], step, Without(clubs, left[0])};
      if (left.size() < clubs.size()) {
        clubs = std::move(left);
        narrowed = true;
        break;
      }
    }
  }
  const int drawn = clubs[std::min(draw(clubs), clubs.size() - 1)];
  return {drawn, Decider::Draw, Without(clubs, drawn)};
}

double Percentage(const ClubRecords& records, int club) {
  return records.Overall(club).Percentage();
}

// The clubs in groups of equal percentage, best first; within a group by team number.
std::vector<std::vector<int>> LevelGroups(const ClubRecords& records, std::vector<int> clubs) {
  std::stable_sort(clubs.begin(), clubs.end(),
                   [&](int a, int b) { return Percentage(records, a) > Percentage(records, b); });
  std::vector<std::vector<int>> groups;
  for (std::size_t i = 0; i < clubs.size(); ++i) {
    if (i == 0 || Percentage(records, clubs[i]) != Percentage(records, clubs[i - 1])) {
      groups.emplace_back();
    }
    groups.back().push_back(clubs[i]);
  }
  return groups;
}

std::vector<Placement> RankDivision(const ClubRecords& records, const league::Division& division,
                                    const DrawLots& draw) {
  std::vector<int> members;
  for (int team = division.first_team; team <= division.last_team; ++team) members.push_back(team);
  std::vector<Placement> order;
  for (std::vector<int> group : LevelGroups(records, members)) {
    while (!group.empty()) {
      order.push_back(FirstOf(records, group, DivisionProcedure, draw));
      group = Without(std::move(group), order.back().team);
    }
  }
  return order;
}

// Up to `places` clubs of one conference, best first. Level clubs of one division keep their
// division order: only the first of them still in contention is compared with the other
// divisions' clubs. A club with no such rival left keeps the placement of its division place,
// so that a division winner seeded by its record alone shows how it won its division.
std::vector<Placement> RankAcrossDivisions(const ClubRecords& records,
                                           const std::vector<int>& clubs, std::size_t places,
                                           const LeagueStandings& standings, const DrawLots& draw) {
  const SeasonLeague& league = records.league();
  std::vector<Placement> order;
  for (const std::vector<int>& group : LevelGroups(records, clubs)) {
    // Each division's clubs of this group, in division order.
    std::vector<std::vector<const Placement*>> queues(standings.divisions.size());
    for (std::size_t d = 0; d < standings.divisions.size(); ++d) {
      for (const Placement& placement : standings.divisions[d]) {
        if (std::find(group.begin(), group.end(), placement.team) != group.end()) {
          queues[d].push_back(&placement);
        }
      }
    }
    for (std::size_t taken = 0; taken < group.size() && order.size() < places; ++taken) {
      std::vector<int> leaders;
      for (const auto& queue : queues) {
        if (!queue.empty()) leaders.push_back(queue.front()->team);
      }
      Placement placed =
          leaders.size() == 1
              ? *queues[static_cast<std::size_t>(league.DivisionIndexOf(leaders[0]))].front()
              : FirstOf(records, leaders, WildCardProcedure, draw);
      auto& queue = queues[static_cast<std::size_t>(league.DivisionIndexOf(placed.team))];
      queue.erase(queue.begin());
      order.push_back(std::move(placed));
    }
    if (order.size() >= places) break;
  }
  return order;
}

void SeedConference(const ClubRecords& records, league::Conference conference,
                    LeagueStandings& standings, const DrawLots& draw) {
  const SeasonLeague& league = records.league();
  std::vector<int> winners;
  std::vector<int> others;
  for (std::size_t d = 0; d < league.divisions.size(); ++d) {
    if (league.divisions[d].conference != conference) continue;
    for (const Placement& placement : standings.divisions[d]) {
      (placement.team == standings.divisions[d].front().team ? winners : others)
          .push_back(placement.team);
    }
  }
  auto& seeds = standings.seeds[conference == league::Conference::Afc ? 0 : 1];
  seeds = RankAcrossDivisions(records, winners, winners.size(), standings, draw);
  const auto seed_count = static_cast<std::size_t>(std::max(league.seeds_per_conference, 0));
  const std::size_t wild_cards = seed_count - std::min(winners.size(), seed_count);
  for (Placement& wild_card : RankAcrossDivisions(records, others, wild_cards, standings, draw)) {
    seeds.push_back(std::move(wild_card));
  }
}

std::string LocationList(const SeasonLeague& league, const std::vector<int>& teams) {
  std::string text;
  for (std::size_t i = 0; i < teams.size(); ++i) {
    if (i > 0) text += i + 1 == teams.size() ? " and " : ", ";
    text += league.Team(teams[i]).location;
  }
  return text;
}

}  // namespace

DrawLots SeasonDraw(int year) {
  return [year](std::span<const int> clubs) {
    // FNV-1a over the year and the clubs: the same tie in the same season draws the same club.
    std::uint64_t hash = 14695981039346656037ULL;
    const auto mix = [&](int value) {
      hash ^= static_cast<std::uint32_t>(value);
      hash *= 1099511628211ULL;
    };
    mix(year);
    for (int club : clubs) mix(club);
    return clubs.empty() ? 0 : static_cast<std::size_t>(hash % clubs.size());
  };
}

LeagueStandings RankLeague(const ClubRecords& records, const DrawLots& draw) {
  LeagueStandings standings;
  for (const league::Division& division : records.league().divisions) {
    standings.divisions.push_back(RankDivision(records, division, draw));
  }
  for (const league::Conference conference : {league::Conference::Afc, league::Conference::Nfc}) {
    SeedConference(records, conference, standings, draw);
  }
  return standings;
}

std::string PlacementReason(const SeasonLeague& league, const Placement& placement) {
  if (placement.decider == Decider::Record) return std::string(DeciderName(Decider::Record));
  return fmt::format("{} over {}: {}", league.Team(placement.team).location,
                     LocationList(league, placement.over), DeciderName(placement.decider));
}

}  // namespace tavrin
