#include "demo/divisions_of_four_schedule.h"

#include <algorithm>
#include <array>

#include "demo/demo_random.h"

namespace tavrin::demo {
namespace {

constexpr int DivisionCount = 8;
constexpr int DivisionSize = 4;
constexpr int DivisionRoundCount = 2 * (DivisionSize - 1);
constexpr int GamesOutsideThirdDivision = DivisionRoundCount + 2 * DivisionSize;
constexpr int Sunday = 1;
constexpr int MondayNight = 2;

using Round = std::vector<DemoGame>;  // every team at most once
using Divisions = std::array<std::array<int, DivisionSize>, DivisionCount>;  // the league's numbers
using Partners = std::array<int, DivisionCount>;  // the division each one meets

// The three ways four rivals pair off.
constexpr int RivalPairs[3][2][2] = {{{0, 1}, {2, 3}}, {{0, 2}, {1, 3}}, {{0, 3}, {1, 2}}};

// Six rounds: each way the rivals pair off, then each again with home and away turned.
std::vector<Round> DivisionRounds(const Divisions& teams) {
  std::vector<Round> rounds;
  for (bool turned : {false, true}) {
    for (const auto& pairs : RivalPairs) {
      Round& round = rounds.emplace_back();
      for (const auto& division : teams) {
        for (const auto& pair : pairs) {
          const int a = division[static_cast<std::size_t>(pair[0])];
          const int b = division[static_cast<std::size_t>(pair[1])];
          round.push_back(turned ? DemoGame{b, a, Sunday} : DemoGame{a, b, Sunday});
        }
      }
    }
  }
  return rounds;
}

// `count` rounds in which team i of each division meets team i + r of its partner.
void AddCrossRounds(const Divisions& teams, const Partners& partner, int count,
                    std::vector<Round>& rounds) {
  for (int r = 0; r < count; ++r) {
    Round& round = rounds.emplace_back();
    for (int d = 0; d < DivisionCount; ++d) {
      if (partner[static_cast<std::size_t>(d)] < d) continue;
      const auto& home_side = teams[static_cast<std::size_t>(partner[static_cast<std::size_t>(d)])];
      for (int i = 0; i < DivisionSize; ++i) {
        const int a = teams[static_cast<std::size_t>(d)][static_cast<std::size_t>(i)];
        const int b = home_side[static_cast<std::size_t>((i + r) % DivisionSize)];
        // Each side at home in every other round: two home games of four.
        round.push_back(r % 2 == 0 ? DemoGame{a, b, Sunday} : DemoGame{b, a, Sunday});
      }
    }
  }
}

// Within each conference's four divisions, one of the three ways they pair off (1 to 3).
Partners InConference(int way) {
  Partners partner{};
  for (int d = 0; d < DivisionCount; ++d) partner[static_cast<std::size_t>(d)] = d ^ way;
  return partner;
}

Partners AcrossConferences(int shift) {
  Partners partner{};
  for (int d = 0; d < DivisionSize; ++d) {
    const int other = DivisionSize + (d + shift) % DivisionSize;
    partner[static_cast<std::size_t>(d)] = other;
    partner[static_cast<std::size_t>(other)] = d;
  }
  return partner;
}

}  // namespace

std::vector<DemoWeek> MakeDivisionsOfFourSchedule(uint64_t seed, int games_per_team) {
  DemoRandom rng(seed);
  Divisions teams{};
  for (int d = 0; d < DivisionCount; ++d) {
    auto& division = teams[static_cast<std::size_t>(d)];
    for (int i = 0; i < DivisionSize; ++i)
      division[static_cast<std::size_t>(i)] = d * DivisionSize + i + 1;
    rng.Shuffle(division);
  }
  std::vector<Round> rounds = DivisionRounds(teams);
  const int way = rng.Below(3);
  AddCrossRounds(teams, InConference(1 + way), DivisionSize, rounds);
  AddCrossRounds(teams, AcrossConferences(rng.Below(DivisionSize)), DivisionSize, rounds);
  AddCrossRounds(teams, InConference(1 + (way + 1) % 3), games_per_team - GamesOutsideThirdDivision,
                 rounds);
  // The byes: each division's two games of one of the division rounds move to a week of their
  // own, which every team then plays in once.
  Round& last = rounds.emplace_back();
  for (int d = 0; d < DivisionCount; ++d) {
    Round& round = rounds[static_cast<std::size_t>(d % DivisionRoundCount)];
    const auto first_of_division = [d](const DemoGame& game) {
      return (game.first - 1) / DivisionSize == d;
    };
    std::copy_if(round.begin(), round.end(), std::back_inserter(last), first_of_division);
    round.erase(std::remove_if(round.begin(), round.end(), first_of_division), round.end());
  }
  rng.Shuffle(rounds);
  for (Round& round : rounds) {
    rng.Shuffle(round);
    round.back().day = MondayNight;
  }
  return rounds;
}

}  // namespace tavrin::demo
