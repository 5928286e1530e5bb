#include "season/team_pair_picker.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace tavrin {
namespace {

struct Clicks {
  const char* what;
  std::vector<int> listed;
  std::vector<int> clicks;
  int picked;
  int first;
  int second;
};
void PrintTo(const Clicks& c, std::ostream* out) { *out << c.what; }

class PairPicks : public testing::TestWithParam<Clicks> {};

TEST_P(PairPicks, FollowTheClicks) {
  const Clicks& c = GetParam();
  TeamPairPicker picker;
  for (int team : c.listed) picker.SetListed(team, true);
  for (int team : c.clicks) picker.ClickTeam(team);
  EXPECT_EQ(picker.PickedCount(), c.picked);
  EXPECT_EQ(picker.PairComplete(), c.picked == 2);
  if (c.picked >= 1) EXPECT_EQ(picker.First(), c.first);
  if (c.picked == 2) EXPECT_EQ(picker.Second(), c.second);
  for (int team = 1; team <= LeagueTeamCount; ++team) {
    const bool picked = picker.State(team) == TeamPairPicker::TeamState::Picked;
    EXPECT_EQ(picked, (c.picked >= 1 && team == c.first) || (c.picked == 2 && team == c.second))
        << team;
  }
}

INSTANTIATE_TEST_SUITE_P(
    TeamPairPicker, PairPicks,
    testing::Values(Clicks{"one", {}, {5}, 1, 5, 0}, Clicks{"two", {}, {5, 9}, 2, 5, 9},
                    Clicks{"a third is ignored", {}, {5, 9, 12}, 2, 5, 9},
                    Clicks{"the only pick unpicked", {}, {5, 5}, 0, 0, 0},
                    Clicks{"the second unpicked", {}, {5, 9, 9}, 1, 5, 0},
                    Clicks{
                        "the first unpicked: the second goes first", {}, {5, 9, 5, 12}, 2, 9, 12},
                    Clicks{"listed teams stay out", {9, 12}, {9, 5, 12, 31}, 2, 5, 31},
                    Clicks{"outside the league", {}, {0, 32, -1, 7}, 1, 7, 0}),
    [](const testing::TestParamInfo<Clicks>& info) { return std::to_string(info.index); });

// Taking a game lists its teams and frees the picks; taking them out of the week frees them.
TEST(TeamPairPicker, ListingAndResetFreeTheTeams) {
  TeamPairPicker picker;
  picker.ClickTeam(3);
  picker.ClickTeam(4);
  picker.Reverse();
  EXPECT_EQ(picker.First(), 4);
  EXPECT_EQ(picker.Second(), 3);
  picker.SetListed(3, true);
  picker.SetListed(4, true);
  picker.DropPicks();
  EXPECT_EQ(picker.PickedCount(), 0);
  EXPECT_EQ(picker.State(3), TeamPairPicker::TeamState::Listed);
  picker.ClickTeam(3);
  EXPECT_EQ(picker.PickedCount(), 0);
  picker.SetListed(3, false);
  picker.ClickTeam(3);
  EXPECT_EQ(picker.PickedCount(), 1);
  picker.Reset();
  EXPECT_EQ(picker.State(4), TeamPairPicker::TeamState::Free);
  EXPECT_EQ(picker.PickedCount(), 0);
}

}  // namespace
}  // namespace tavrin
