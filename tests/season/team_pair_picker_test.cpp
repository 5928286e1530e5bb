#include "season/team_pair_picker.h"

#include <gtest/gtest.h>

#include <vector>

namespace tavrin {
namespace {

// Catches a third pick taken, an unpick that loses the order, or a listed or unknown team picked.
TEST(TeamPairPicker, PicksFollowTheClicks) {
  // what, the teams listed, the clicks, how many are picked, the first and the second pick
  const std::tuple<const char*, std::vector<int>, std::vector<int>, int, int, int> cases[] = {
      {"one", {}, {5}, 1, 5, 0},
      {"two", {}, {5, 9}, 2, 5, 9},
      {"a third is ignored", {}, {5, 9, 12}, 2, 5, 9},
      {"the only pick unpicked", {}, {5, 5}, 0, 0, 0},
      {"the second unpicked", {}, {5, 9, 9}, 1, 5, 0},
      {"the first unpicked: the second goes first", {}, {5, 9, 5, 12}, 2, 9, 12},
      {"listed teams stay out", {9, 12}, {9, 5, 12, 31}, 2, 5, 31},
      {"outside the league", {}, {0, 32, -1, 7}, 1, 7, 0},
  };
  for (const auto& [what, listed, clicks, picked, first, second] : cases) {
    SCOPED_TRACE(what);
    TeamPairPicker picker;
    for (int team : listed) picker.SetListed(team, true);
    for (int team : clicks) picker.ClickTeam(team);
    EXPECT_EQ(picker.PickedCount(), picked);
    EXPECT_EQ(picker.PairComplete(), picked == 2);
    EXPECT_EQ(picked >= 1 ? picker.First() : 0, first);
    EXPECT_EQ(picked == 2 ? picker.Second() : 0, second);
    for (int team = 1; team <= LeagueTeamCount; ++team) {
      const bool is_picked = picker.State(team) == TeamPairPicker::TeamState::Picked;
      EXPECT_EQ(is_picked, team == first || team == second) << team;
    }
  }
}

// Taking a game lists its teams and frees the picks; taking them out of the week frees them.
TEST(TeamPairPicker, ListingAndResetFreeTheTeams) {
  TeamPairPicker picker;
  picker.ClickTeam(3);
  picker.ClickTeam(4);
  picker.SetListed(3, true);
  picker.SetListed(4, true);
  picker.DropPicks();
  EXPECT_EQ(picker.PickedCount(), 0);
  EXPECT_EQ(picker.State(3), TeamPairPicker::TeamState::Listed);
  picker.SetListed(3, false);
  picker.ClickTeam(3);
  EXPECT_EQ(picker.PickedCount(), 1);
  picker.Reset();
  EXPECT_EQ(picker.State(4), TeamPairPicker::TeamState::Free);
  EXPECT_EQ(picker.PickedCount(), 0);
}

}  // namespace
}  // namespace tavrin
