#include "demo/demo_schedule.h"

#include <algorithm>
#include <array>
#include <utility>

#include "demo/demo_random.h"
#include "demo/demo_teams.h"
#include "season/league.h"

namespace tavrin::demo {
namespace {

constexpr int Weeks = DemoWeekCount;
constexpr int Teams = LeagueTeamCount;
constexpr int DivisionCount = league::DivisionCount;
constexpr int OpenWeeksPerDivision = 7;  // 17 weeks less the 10 of a double round robin
constexpr int MondayNight = 2;
constexpr int Thursday = 5;
constexpr int Saturday = 7;
constexpr int ThanksgivingWeek = 12;
constexpr int InterConferenceTarget = 4;  // games against the other conference a team usually gets
constexpr int MatchingNodeBudget = 20000;
constexpr int Attempts = 200;

// 31 byes, one per team: three in each of weeks 4..10 (14-game weeks) and one in every other
// week (15-game weeks), as a 31-team league needs at least one team idle every week.
int ByeCapacity(int week) { return week >= 4 && week <= 10 ? 3 : 1; }

using Pairing = std::pair<int, int>;  // (visitor, home)
using OpenWeeks = std::array<std::vector<int>, DivisionCount>;

struct Draft {
  std::array<int, Teams + 1> bye_week{};
  std::array<std::vector<Pairing>, Weeks + 1> division_games;
  std::array<std::vector<Pairing>, Weeks + 1> other_games;  // home decided last
  std::array<std::array<bool, Teams + 1>, Teams + 1> met{};
  std::array<int, Teams + 1> inter_conference{};
};

std::vector<int> DivisionTeams(int division) {
  std::vector<int> teams;
  const league::Division& members = league::Divisions[static_cast<std::size_t>(division)];
  for (int t = members.first_team; t <= members.last_team; ++t) teams.push_back(t);
  return teams;
}

// Each division's weeks without a divisional game.
OpenWeeks ChooseOpenWeeks(DemoRandom& rng) {
  OpenWeeks open;
  for (auto& weeks : open) {
    std::vector<int> candidates;
    for (int w = 1; w <= Weeks; ++w) candidates.push_back(w);
    rng.Shuffle(candidates);
    weeks.assign(candidates.begin(), candidates.begin() + OpenWeeksPerDivision);
    std::sort(weeks.begin(), weeks.end());
  }
  return open;
}

// Bipartite matching of teams to bye slots (a week repeated by its capacity): a team may rest
// only in one of its division's open weeks. True when every slot is taken.
bool AssignByes(const OpenWeeks& open, DemoRandom& rng, Draft& draft) {
  std::vector<int> slot_week;
  for (int w = 1; w <= Weeks; ++w)
    for (int k = 0; k < ByeCapacity(w); ++k) slot_week.push_back(w);
  rng.Shuffle(slot_week);
  std::vector<int> slot_team(slot_week.size(), 0);

  auto may_rest = [&](int team, int week) {
    const auto& weeks = open[league::DivisionIndexOf(team)];
    return std::find(weeks.begin(), weeks.end(), week) != weeks.end();
  };
  std::vector<bool> visited;
  auto augment = [&](auto& self, int team) -> bool {
    for (std::size_t s = 0; s < slot_week.size(); ++s) {
      if (visited[s] || !may_rest(team, slot_week[s])) continue;
      visited[s] = true;
      if (slot_team[s] == 0 || self(self, slot_team[s])) {
        slot_team[s] = team;
        return true;
      }
    }
    return false;
  };
  std::vector<int> order;
  for (int t = 1; t <= Teams; ++t) order.push_back(t);
  rng.Shuffle(order);
  for (int team : order) {
    visited.assign(slot_week.size(), false);
    if (!augment(augment, team)) return false;
  }
  for (std::size_t s = 0; s < slot_week.size(); ++s) draft.bye_week[slot_team[s]] = slot_week[s];
  return true;
}

// The circle method: every pair of the division exactly once, in rounds of disjoint games.
std::vector<std::vector<Pairing>> RoundRobin(std::vector<int> teams, DemoRandom& rng) {
  rng.Shuffle(teams);
  if (teams.size() % 2 == 1) teams.push_back(0);  // 0 stands for the week's idle team
  const std::size_t n = teams.size();
  std::vector<std::vector<Pairing>> rounds;
  for (std::size_t r = 0; r + 1 < n; ++r) {
    std::vector<Pairing> round;
    for (std::size_t i = 0; i < n / 2; ++i) {
      int a = teams[i];
      int b = teams[n - 1 - i];
      if (a == 0 || b == 0) continue;
      if (rng.Below(2) == 1) std::swap(a, b);
      round.emplace_back(a, b);
    }
    rounds.push_back(round);
    std::rotate(teams.begin() + 1, teams.end() - 1, teams.end());
  }
  return rounds;
}

// Rivals meet once in the first five divisional weeks and again, home and away swapped, in the
// last five; never in two divisional weeks running.
void PlaceDivisionGames(const OpenWeeks& open, DemoRandom& rng, Draft& draft) {
  for (int d = 0; d < DivisionCount; ++d) {
    std::vector<int> weeks;
    for (int w = 1; w <= Weeks; ++w)
      if (std::find(open[d].begin(), open[d].end(), w) == open[d].end()) weeks.push_back(w);
    auto rounds = RoundRobin(DivisionTeams(d), rng);
    const std::size_t half = rounds.size();
    std::vector<std::size_t> first(half);
    std::vector<std::size_t> second(half);
    for (std::size_t i = 0; i < half; ++i) first[i] = second[i] = i;
    rng.Shuffle(first);
    do rng.Shuffle(second);
    while (second.front() == first.back());
    for (std::size_t i = 0; i < half; ++i) {
      for (const auto& [a, b] : rounds[first[i]]) draft.division_games[weeks[i]].emplace_back(a, b);
      for (const auto& [a, b] : rounds[second[i]])
        draft.division_games[weeks[half + i]].emplace_back(b, a);
    }
  }
}

// Candidates for a team's opponent: other divisions, not met yet; teams of the same conference
// first once either side has had its share of inter-conference games.
std::vector<int> OpponentCandidates(const Draft& draft, int team, const std::vector<int>& free,
                                    DemoRandom& rng) {
  std::vector<int> candidates;
  for (int other : free)
    if (other != team && !league::SameDivision(other, team) && !draft.met[team][other])
      candidates.push_back(other);
  rng.Shuffle(candidates);
  auto overdue = [&](int other) {
    return !league::SameConference(team, other) &&
           (draft.inter_conference[team] >= InterConferenceTarget ||
            draft.inter_conference[other] >= InterConferenceTarget);
  };
  std::stable_partition(candidates.begin(), candidates.end(),
                        [&](int other) { return !overdue(other); });
  return candidates;
}

void Meet(Draft& draft, int a, int b, int change) {
  draft.met[a][b] = draft.met[b][a] = change > 0;
  if (!league::SameConference(a, b)) {
    draft.inter_conference[a] += change;
    draft.inter_conference[b] += change;
  }
}

// Pairs every free team of a week with an opponent it has not met (depth-first, bounded).
bool MatchFreeTeams(Draft& draft, std::vector<int>& free, std::vector<Pairing>& games,
                    DemoRandom& rng, int& budget) {
  if (free.empty()) return true;
  if (--budget < 0) return false;
  const int team = free.front();
  for (int other : OpponentCandidates(draft, team, free, rng)) {
    std::vector<int> rest;
    for (int t : free)
      if (t != team && t != other) rest.push_back(t);
    Meet(draft, team, other, +1);
    games.emplace_back(team, other);
    if (MatchFreeTeams(draft, rest, games, rng, budget)) return true;
    games.pop_back();
    Meet(draft, team, other, -1);
  }
  return false;
}

bool PlaceOtherGames(DemoRandom& rng, Draft& draft) {
  for (int w = 1; w <= Weeks; ++w) {
    std::array<bool, Teams + 1> busy{};
    for (const auto& [a, b] : draft.division_games[w]) busy[a] = busy[b] = true;
    std::vector<int> free;
    for (int t = 1; t <= Teams; ++t)
      if (!busy[t] && draft.bye_week[t] != w) free.push_back(t);
    rng.Shuffle(free);
    int budget = MatchingNodeBudget;
    if (!MatchFreeTeams(draft, free, draft.other_games[w], rng, budget)) return false;
  }
  return true;
}

// Every team plays an even number of non-divisional games, so their graph splits into closed
// trails; walking each trail and hosting the next team along gives every team as many home as
// road games outside its division, and with the rivals' home-and-away pairs 8 home games in all.
void ChooseHomeTeams(DemoRandom& rng, Draft& draft) {
  std::array<std::vector<Pairing*>, Teams + 1> games_of;
  for (int w = 1; w <= Weeks; ++w) {
    for (auto& game : draft.other_games[w]) {
      games_of[game.first].push_back(&game);
      games_of[game.second].push_back(&game);
    }
  }
  for (auto& games : games_of) rng.Shuffle(games);
  std::vector<const Pairing*> oriented;
  auto next_open_game = [&](int team) -> Pairing* {
    for (Pairing* game : games_of[team])
      if (std::find(oriented.begin(), oriented.end(), game) == oriented.end()) return game;
    return nullptr;
  };
  for (int start = 1; start <= Teams; ++start) {
    int team = start;
    while (Pairing* game = next_open_game(team)) {
      const int other = game->first == team ? game->second : game->first;
      *game = {team, other};
      oriented.push_back(game);
      team = other;
    }
  }
}

// Sunday afternoon for most, the Monday night game last; Thanksgiving brings two Thursday games
// (Detroit and Dallas at home when they are), and weeks 15 and 16 open with Saturday games.
DemoWeek ScheduleDays(std::vector<Pairing> pairings, int week, DemoRandom& rng) {
  rng.Shuffle(pairings);
  DemoWeek games;
  for (const auto& [a, b] : pairings) games.push_back({a, b, 1});
  int early = 0;
  int early_day = 1;
  if (week == ThanksgivingWeek) {
    early = 2;
    early_day = Thursday;
    constexpr std::array<int, 2> hosts{23, 18};
    std::stable_partition(games.begin(), games.end(), [&](const DemoGame& game) {
      return std::find(hosts.begin(), hosts.end(), game.second) != hosts.end();
    });
  } else if (week == 15 || week == 16) {
    early = week == 15 ? 2 : 1;
    early_day = Saturday;
  }
  for (int g = 0; g < early; ++g) games[g].day = early_day;
  games.back().day = MondayNight;
  return games;
}

}  // namespace

std::vector<DemoWeek> MakeDemoSchedule(uint64_t seed) {
  DemoRandom rng(seed);
  for (int attempt = 0; attempt < Attempts; ++attempt) {
    Draft draft;
    const OpenWeeks open = ChooseOpenWeeks(rng);
    if (!AssignByes(open, rng, draft)) continue;
    PlaceDivisionGames(open, rng, draft);
    if (!PlaceOtherGames(rng, draft)) continue;
    ChooseHomeTeams(rng, draft);
    std::vector<DemoWeek> season;
    for (int w = 1; w <= Weeks; ++w) {
      std::vector<Pairing> pairings = draft.division_games[w];
      pairings.insert(pairings.end(), draft.other_games[w].begin(), draft.other_games[w].end());
      season.push_back(ScheduleDays(pairings, w, rng));
    }
    return season;
  }
  return {};
}

}  // namespace tavrin::demo
