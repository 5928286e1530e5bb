#include "analysis/tiebreakers.h"

#include <algorithm>
#include <optional>
#include <span>

namespace tavrin {

// The league's procedure for these seasons, in our words. A tie-break compares the tied clubs
// step by step; the first step on which they differ decides, and a step that cannot be applied
// is passed over. Percentages count a tie as half a win.
//
// Clubs of one division:
//   two clubs:    head-to-head, division record, record in common games, conference record,
//                 net points in division games, net points in all games, a draw.
//   three or more: the same steps, head-to-head counting every game among the tied clubs.
// Clubs of different divisions (wild cards, and the seeding of division winners):
//   two clubs:    head-to-head (when they met), conference record, record in common games
//                 (at least four each), net points in conference games, net points in all
//                 games, a draw.
//   three or more: first only the best club of each division by the division rules stays in;
//                 then a head-to-head sweep (a club that beat each of the others goes through,
//                 one that lost to each of the others drops out), conference record, record in
//                 common games (at least four each), net points in conference games, net
//                 points in all games, a draw.
// With three or more clubs a step that drops some but leaves several tied starts over with the
// clubs left: at the two-club steps when two are left, else at the first step.
// The rules' net touchdowns come before the draw; the season files keep no touchdowns, so that
// step is passed over. The 1999 season needs the conference record among the division steps:
// Detroit took the Central's place in that year's wild-card tie ahead of Green Bay by it.

namespace {

enum class Step {
  HeadToHead,
  HeadToHeadSweep,
  DivisionRecord,
  ConferenceRecord,
  CommonGames,
  CommonGamesAtLeastFour,
  DivisionNetPoints,
  ConferenceNetPoints,
  NetPoints,
};

struct Procedure {
  std::span<const Step> two_clubs;
  std::span<const Step> more_clubs;
};

constexpr Step DivisionSteps[] = {Step::HeadToHead,        Step::DivisionRecord,
                                  Step::CommonGames,       Step::ConferenceRecord,
                                  Step::DivisionNetPoints, Step::NetPoints};
constexpr Step WildCardTwoClubSteps[] = {Step::HeadToHead, Step::ConferenceRecord,
                                         Step::CommonGamesAtLeastFour, Step::ConferenceNetPoints,
                                         Step::NetPoints};
constexpr Step WildCardMoreClubSteps[] = {Step::HeadToHeadSweep, Step::ConferenceRecord,
                                          Step::CommonGamesAtLeastFour, Step::ConferenceNetPoints,
                                          Step::NetPoints};

constexpr Procedure DivisionProcedure{DivisionSteps, DivisionSteps};
constexpr Procedure WildCardProcedure{WildCardTwoClubSteps, WildCardMoreClubSteps};

using StepKeys = std::array<double, ClubGroup::Capacity>;
// What each club of a group, by place, was set apart by (a step's name, or empty).
using PlaceDeciders = std::array<std::string_view, ClubGroup::Capacity>;

// By Step, as the seeds report names what decided a tie.
constexpr std::string_view StepNames[] = {"head-to-head",
                                          "head-to-head sweep",
                                          "division record",
                                          "conference record",
                                          "common games",
                                          "common games",
                                          "net points in division games",
                                          "net points in conference games",
                                          "net points in all games"};
constexpr std::string_view LotsName = "drawn by lot";

GameRecord RecordAgainstGroup(const LeagueTable& table, int club, const ClubGroup& clubs) {
  GameRecord record;
  for (int other : clubs) record += table.Against(club, other);
  return record;
}

// Every club's percentage against the opponents all of them played; false when a club has
// fewer than `minimum` such games.
bool CommonGameKeys(const LeagueTable& table, const ClubGroup& clubs, int minimum, StepKeys& keys) {
  for (int i = 0; i < clubs.size(); ++i) {
    GameRecord record;
    for (int opponent = 1; opponent <= LeagueTeamCount; ++opponent) {
      const bool common = std::all_of(clubs.begin(), clubs.end(),
                                      [&](int club) { return table.HavePlayed(club, opponent); });
      if (common) record += table.Against(clubs[i], opponent);
    }
    if (record.games < std::max(minimum, 1)) return false;
    keys[i] = record.Percentage();
  }
  return true;
}

// A club that beat every other club it is tied with (key 1), or else one that lost to every
// other (key -1); false when there is neither.
bool SweepKeys(const LeagueTable& table, const ClubGroup& clubs, StepKeys& keys) {
  for (int wanted_wins : {2, 0}) {
    for (int i = 0; i < clubs.size(); ++i) {
      const bool swept = std::all_of(clubs.begin(), clubs.end(), [&](int other) {
        const GameRecord& record = table.Against(clubs[i], other);
        return other == clubs[i] ||
               (record.games > 0 && record.double_wins == wanted_wins * record.games);
      });
      if (!swept) continue;
      std::fill(keys.begin(), keys.end(), 0.0);
      keys[i] = wanted_wins == 2 ? 1.0 : -1.0;
      return true;
    }
  }
  return false;
}

// Each club's figure for one step, higher being better; false when the step does not apply.
bool ComputeKeys(const LeagueTable& table, Step step, const ClubGroup& clubs, StepKeys& keys) {
  switch (step) {
    case Step::HeadToHead:
      for (int i = 0; i < clubs.size(); ++i) {
        const GameRecord record = RecordAgainstGroup(table, clubs[i], clubs);
        if (record.games == 0) return false;
        keys[i] = record.Percentage();
      }
      return true;
    case Step::HeadToHeadSweep: return SweepKeys(table, clubs, keys);
    case Step::CommonGames: return CommonGameKeys(table, clubs, 1, keys);
    case Step::CommonGamesAtLeastFour: return CommonGameKeys(table, clubs, 4, keys);
    default: break;
  }
  for (int i = 0; i < clubs.size(); ++i) {
    const int club = clubs[i];
    switch (step) {
      case Step::DivisionRecord: keys[i] = table.InDivision(club).Percentage(); break;
      case Step::ConferenceRecord: keys[i] = table.InConference(club).Percentage(); break;
      case Step::DivisionNetPoints: keys[i] = table.InDivision(club).net_points; break;
      case Step::ConferenceNetPoints: keys[i] = table.InConference(club).net_points; break;
      default: keys[i] = table.Overall(club).net_points; break;
    }
  }
  return true;
}

// The first of the clubs; `decided`, when given, takes what set it apart from the last others.
int FirstClub(const LeagueTable& table, const ClubGroup& clubs, const Procedure& procedure,
              PlayoffRandom& random, std::string_view* decided = nullptr) {
  if (clubs.size() == 1) return clubs[0];
  const auto steps = clubs.size() == 2 ? procedure.two_clubs : procedure.more_clubs;
  StepKeys keys{};
  for (Step step : steps) {
    if (!ComputeKeys(table, step, clubs, keys)) continue;
    const double best = *std::max_element(keys.begin(), keys.begin() + clubs.size());
    ClubGroup left;
    for (int i = 0; i < clubs.size(); ++i) {
      if (keys[i] == best) left.Add(clubs[i]);
    }
    if (left.size() < clubs.size()) {
      if (decided != nullptr) *decided = StepNames[static_cast<int>(step)];
      return FirstClub(table, left, procedure, random, decided);
    }
  }
  if (decided != nullptr) *decided = LotsName;
  return clubs[random.Below(clubs.size())];
}

// The clubs in the order a procedure ranks them: the first, then the first of the rest, ...
// `deciders`, when given, takes what set each apart. Here and below, a null `deciders` keeps the
// play-off odds' millions of seedings from tracking what no one reads.
ClubGroup RankClubs(const LeagueTable& table, ClubGroup clubs, const Procedure& procedure,
                    PlayoffRandom& random, PlaceDeciders* deciders) {
  ClubGroup ranked;
  while (clubs.size() > 0) {
    std::string_view* decided = deciders != nullptr ? &(*deciders)[ranked.size()] : nullptr;
    const int first = FirstClub(table, clubs, procedure, random, decided);
    ranked.Add(first);
    clubs.RemoveAt(static_cast<int>(std::find(clubs.begin(), clubs.end(), first) - clubs.begin()));
  }
  return ranked;
}

// Takes up to `places` of clubs with equal percentages in wild-card order into `order`. The
// clubs of each division are ranked once by the division rules, and that ranking stands while
// the places are filled one after another. A club that leads no others of its division when
// taken was set apart by the wild-card steps, else by its division's.
void TakeWildCardOrder(const LeagueTable& table, const ClubGroup& clubs, int places,
                       PlayoffRandom& random, ClubGroup& order, PlaceDeciders* deciders) {
  std::array<ClubGroup, league::DivisionCount> by_division;
  std::optional<std::array<PlaceDeciders, league::DivisionCount>> division_deciders;
  if (deciders != nullptr) division_deciders.emplace();
  for (int club : clubs) by_division[league::DivisionIndexOf(club)].Add(club);
  for (std::size_t division = 0; division < by_division.size(); ++division) {
    if (by_division[division].size() > 1) {
      by_division[division] =
          RankClubs(table, by_division[division], DivisionProcedure, random,
                    division_deciders ? &(*division_deciders)[division] : nullptr);
    }
  }
  std::array<int, league::DivisionCount> taken_of{};
  for (int taken = 0; taken < places && taken < clubs.size(); ++taken) {
    ClubGroup leaders;
    for (const auto& division : by_division) {
      if (division.size() > 0) leaders.Add(division[0]);
    }
    std::string_view decided;
    const int first =
        FirstClub(table, leaders, WildCardProcedure, random, deciders ? &decided : nullptr);
    const auto division = static_cast<std::size_t>(league::DivisionIndexOf(first));
    if (deciders != nullptr) {
      (*deciders)[order.size()] =
          leaders.size() > 1 ? decided : (*division_deciders)[division][taken_of[division]];
    }
    ++taken_of[division];
    order.Add(first);
    by_division[division].RemoveAt(0);
  }
}

// The first `places` of clubs by percentage, equal percentages in wild-card order.
ClubGroup OrderByRecord(const LeagueTable& table, ClubGroup clubs, int places,
                        PlayoffRandom& random, PlaceDeciders* deciders) {
  std::array<int, ClubGroup::Capacity> sorted{};
  std::copy(clubs.begin(), clubs.end(), sorted.begin());
  const auto percentage = [&](int club) { return table.Overall(club).Percentage(); };
  std::stable_sort(sorted.begin(), sorted.begin() + clubs.size(),
                   [&](int a, int b) { return percentage(a) > percentage(b); });
  ClubGroup order;
  for (int start = 0; start < clubs.size() && order.size() < places;) {
    ClubGroup level;
    int end = start;
    while (end < clubs.size() && percentage(sorted[end]) == percentage(sorted[start])) {
      level.Add(sorted[end++]);
    }
    TakeWildCardOrder(table, level, places - order.size(), random, order, deciders);
    start = end;
  }
  return order;
}

}  // namespace

int BreakDivisionTie(const LeagueTable& table, const ClubGroup& clubs, PlayoffRandom& random,
                     std::string_view* decided) {
  return FirstClub(table, clubs, DivisionProcedure, random, decided);
}

int BreakWildCardTie(const LeagueTable& table, const ClubGroup& clubs, PlayoffRandom& random,
                     std::string_view* decided) {
  ClubGroup first;
  PlaceDeciders deciders;
  TakeWildCardOrder(table, clubs, 1, random, first, decided != nullptr ? &deciders : nullptr);
  if (decided != nullptr) *decided = deciders[0];
  return first[0];
}

ConferenceSeeds SeedConference(const LeagueTable& table, league::Conference conference,
                               PlayoffRandom& random, SeedDeciders* deciders) {
  // Only the seeds' places are named: a division's own winner is no seed yet.
  PlaceDeciders seed_places;
  PlaceDeciders wild_card_places;
  const bool named = deciders != nullptr;
  ClubGroup winners;
  ClubGroup others;
  for (const auto& division : league::Divisions) {
    if (division.conference != conference) continue;
    ClubGroup members;
    for (int team = division.first_team; team <= division.last_team; ++team) members.Add(team);
    const int winner = OrderByRecord(table, members, 1, random, nullptr)[0];
    winners.Add(winner);
    for (int team : members) {
      if (team != winner) others.Add(team);
    }
  }
  const ClubGroup division_seeds =
      OrderByRecord(table, winners, 3, random, named ? &seed_places : nullptr);
  const ClubGroup wild_cards =
      OrderByRecord(table, others, 3, random, named ? &wild_card_places : nullptr);
  if (named) {
    std::copy_n(seed_places.begin(), 3, deciders->begin());
    std::copy_n(wild_card_places.begin(), 3, deciders->begin() + 3);
  }
  return {division_seeds[0], division_seeds[1], division_seeds[2],
          wild_cards[0],     wild_cards[1],     wild_cards[2]};
}

}  // namespace tavrin
