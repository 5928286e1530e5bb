#pragma once
// The records a season's games leave, team against team: what the standings and every
// tie-break step of the play-off rules are computed from.

#include <array>
#include <cstdint>

#include "season/league.h"

namespace tavrin {

// Games, wins counted twice (a tie counts one, half a win) and net points of one team against
// one opponent, or over any set of games.
struct GameRecord {
  int games = 0;
  int double_wins = 0;
  int net_points = 0;

  GameRecord& operator+=(const GameRecord& other) {
    games += other.games;
    double_wins += other.double_wins;
    net_points += other.net_points;
    return *this;
  }
  // The won-lost-tied percentage, ties as half a win; 0 with no games. Equal fractions give
  // equal doubles (division rounds correctly), so percentages can be compared with ==.
  double Percentage() const { return games == 0 ? 0.0 : double_wins / (2.0 * games); }
};

class LeagueTable {
 public:
  void AddGame(int visitor, int home, int visitor_points, int home_points);

  const GameRecord& Overall(int team) const { return overall_[team]; }
  const GameRecord& Against(int team, int opponent) const { return pairs_[team][opponent]; }
  bool HavePlayed(int team, int opponent) const { return pairs_[team][opponent].games > 0; }
  GameRecord InDivision(int team) const;
  GameRecord InConference(int team) const;

 private:
  static constexpr int Slots = LeagueTeamCount + 1;
  std::array<GameRecord, Slots> overall_{};
  std::array<std::array<GameRecord, Slots>, Slots> pairs_{};
};

}  // namespace tavrin
