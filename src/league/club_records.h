#pragma once
// What a season's played games leave, club against club: the records the standings and every
// tie-break step are computed from, in a league of any size.

#include <span>
#include <vector>

#include "league/season_league.h"
#include "season/season_csv.h"

namespace tavrin {

// The scorecard has a PlayedGame of its own, and a program links both: this one lives in a
// namespace of its own so that the two stay two types (and their vectors' code two codes),
// while the league's code names it as it is.
inline namespace club_records {
struct PlayedGame {
  int visitor = 0;
  int home = 0;
  int visitor_points = 0;
  int home_points = 0;
};
}  // namespace club_records

// The scored games of a season's weeks 1 to `last_week`.
std::vector<PlayedGame> PlayedGamesOf(const SeasonCsv& season, int last_week);

struct ClubRecord {
  int games = 0;
  int wins = 0;
  int ties = 0;
  int scored = 0;
  int allowed = 0;

  ClubRecord& operator+=(const ClubRecord& other) {
    games += other.games;
    wins += other.wins;
    ties += other.ties;
    scored += other.scored;
    allowed += other.allowed;
    return *this;
  }
  int losses() const { return games - wins - ties; }
  int net_points() const { return scored - allowed; }
  // Won-lost-tied percentage, a tie as half a win; 0 with no games. Equal fractions give equal
  // doubles (the division is correctly rounded), so percentages can be compared with ==.
  double Percentage() const { return games == 0 ? 0.0 : (2.0 * wins + ties) / (2.0 * games); }
};

class ClubRecords {
 public:
  // `league` must outlive the records. A game naming a number outside the league, or a club
  // playing itself, is left out: the readers refuse such games before they get here.
  ClubRecords(const SeasonLeague& league, std::span<const PlayedGame> games);

  const SeasonLeague& league() const { return league_; }
  const ClubRecord& Overall(int team) const { return overall_[Slot(team)]; }
  const ClubRecord& Against(int team, int opponent) const {
    return pairs_[Slot(team) * Slots() + Slot(opponent)];
  }
  bool HavePlayed(int team, int opponent) const { return Against(team, opponent).games > 0; }
  ClubRecord InDivision(int team) const;
  ClubRecord InConference(int team) const;

 private:
  std::size_t Slots() const { return overall_.size(); }
  std::size_t Slot(int team) const { return static_cast<std::size_t>(team); }
  void Add(int team, int opponent, int scored, int allowed);

  const SeasonLeague& league_;
  std::vector<ClubRecord> overall_;  // slot 0 unused
  std::vector<ClubRecord> pairs_;    // team * slots + opponent
};

}  // namespace tavrin
