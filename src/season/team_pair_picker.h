#pragma once
// The pairing two windows build from the league's team labels: a click picks a team, a second
// click on it unpicks it, and two picks make a game (the first picked listed first, as the
// visitor). Teams already placed in the week being built are listed and cannot be picked. The
// teams are those of the season's league, `team_count` of them.

#include <array>
#include <utility>

#include "season/season_store.h"

namespace tavrin {

class TeamPairPicker {
 public:
  enum class TeamState { Free, Picked, Listed };

  explicit TeamPairPicker(int team_count = LeagueTeamCount) : team_count_(team_count) {}

  // Unpicking the second team leaves the first picked; unpicking the first makes the second
  // the first pick. A third pick, a listed team and a number outside the league are ignored.
  void ClickTeam(int team) {
    if (!IsTeamNumber(team, team_count_)) return;
    if (State(team) == TeamState::Picked) {
      state_[static_cast<std::size_t>(team)] = TeamState::Free;
      const int was_picked = std::exchange(picked_count_, 0);
      if (was_picked < 2) return;
      // The other team stays picked and is taken again as the first pick.
      team = team == second_ ? first_ : second_;
    }
    if (State(team) == TeamState::Listed || picked_count_ == 2) return;
    state_[static_cast<std::size_t>(team)] = TeamState::Picked;
    (++picked_count_ == 1 ? first_ : second_) = team;
  }
  void Reverse() { std::swap(first_, second_); }
  // Every picked team free again, as after a game is taken.
  void DropPicks() {
    for (TeamState& state : state_) {
      if (state == TeamState::Picked) state = TeamState::Free;
    }
    picked_count_ = 0;
  }
  // A team placed in, or taken out of, the week being built; it leaves any pick.
  void SetListed(int team, bool listed) {
    if (IsTeamNumber(team, team_count_)) {
      state_[static_cast<std::size_t>(team)] = listed ? TeamState::Listed : TeamState::Free;
    }
  }
  void Reset() {
    state_.fill(TeamState::Free);
    picked_count_ = 0;
  }

  TeamState State(int team) const {
    return IsTeamNumber(team, team_count_) ? state_[static_cast<std::size_t>(team)]
                                           : TeamState::Free;
  }
  int PickedCount() const { return picked_count_; }
  bool PairComplete() const { return picked_count_ == 2; }
  int First() const { return first_; }
  int Second() const { return second_; }

 private:
  int team_count_;
  std::array<TeamState, MaxTeamSlot + 1> state_{};
  int picked_count_ = 0;
  int first_ = 0;
  int second_ = 0;
};

}  // namespace tavrin
