#pragma once
// The league's rules for clubs that finish with equal records: who wins a division, who takes
// the wild cards, and how the six play-off clubs of a conference are seeded.

#include <array>
#include <string_view>

#include "analysis/league_table.h"
#include "analysis/playoff_random.h"

namespace tavrin {

// A few clubs of one conference; no more than a conference holds.
class ClubGroup {
 public:
  static constexpr int Capacity = 16;
  ClubGroup() = default;
  ClubGroup(std::initializer_list<int> clubs) {
    for (int club : clubs) Add(club);
  }
  void Add(int club) {
    if (size_ < Capacity) clubs_[size_++] = club;
  }
  void RemoveAt(int index) {
    for (int i = index + 1; i < size_; ++i) clubs_[i - 1] = clubs_[i];
    --size_;
  }
  int size() const { return size_; }
  int operator[](int index) const { return clubs_[index]; }
  const int* begin() const { return clubs_.data(); }
  const int* end() const { return clubs_.data() + size_; }

 private:
  std::array<int, Capacity> clubs_{};
  int size_ = 0;
};

// The club that comes first among clubs of one division with equal percentages. Lots are
// drawn with `random` only when every step leaves them level. `decided`, when given, takes the
// name of what set it apart ("head-to-head", "drawn by lot").
int BreakDivisionTie(const LeagueTable& table, const ClubGroup& clubs, PlayoffRandom& random,
                     std::string_view* decided = nullptr);

// The first of clubs of one conference with equal percentages, by the wild-card rules (clubs of
// one division are first ranked by the division rules, and only the best of each goes on).
int BreakWildCardTie(const LeagueTable& table, const ClubGroup& clubs, PlayoffRandom& random,
                     std::string_view* decided = nullptr);

// Seeds 1 to 6 of a conference: the division winners by record (1 to 3), then the three best
// other clubs (4 to 6). Index 0 holds seed 1.
using ConferenceSeeds = std::array<int, 6>;
// By seed, what set the seeded club apart from the clubs level with it when it was taken: the
// step's name ("head-to-head", "drawn by lot"), empty when no club still in the running was level.
using SeedDeciders = std::array<std::string_view, 6>;
ConferenceSeeds SeedConference(const LeagueTable& table, league::Conference conference,
                               PlayoffRandom& random, SeedDeciders* deciders = nullptr);

}  // namespace tavrin
