// The toolbar's rules, the display's colour depth and the week saved message.

#include "app/main_window_rules.h"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

// Catches a button acting on the wrong week, past the season's end or through a locked menu.
TEST(Toolbar, EachButtonActsOnTheWeekItsMenuWould) {
  using B = ToolbarButton;
  using C = ToolbarCommand;
  const MenuStates open{};
  const MenuStates locked = MenusWhileShowing(ListingPanel::Predictions);
  const MenuStates schedule = MenusWhileShowing(ListingPanel::Schedule);
  const SeasonProgress not_started{0, 17, true, false};
  const SeasonProgress no_schedule{0, 17, false, false};
  const SeasonProgress read_only{5, 17, true, true, true};
  const std::tuple<B, MenuStates, SeasonProgress, ToolbarAction> cases[] = {
      {B::Schedules, open, {5, 17}, {C::EntireSeason, 0}},
      {B::EnterScores, open, {5, 17}, {C::EnterScores, 5}},
      {B::Predictions, open, {5, 17}, {C::Predictions, 5}},
      {B::Standings, open, {5, 17}, {C::Standings, 4}},
      {B::Help, open, {5, 17}, {C::Instructions, 0}},
      // A complete season has nothing to score or predict but shows its final standings.
      {B::EnterScores, open, {17, 17}, {C::Nothing, 0}},
      {B::Predictions, open, {17, 17}, {C::Nothing, 0}},
      {B::Standings, open, {17, 17}, {C::Standings, 16}},
      {B::EnterScores, open, {16, 17}, {C::EnterScores, 16}},
      // A season another program holds is looked at, never scored.
      {B::EnterScores, open, read_only, {C::Nothing, 0}},
      {B::Predictions, open, read_only, {C::Predictions, 5}},
      // Help still works while the report panel is open (the window test shows the rest locked);
      // the schedule panel keeps schedules.
      {B::Help, locked, {5, 17}, {C::Instructions, 0}},
      {B::Schedules, schedule, {5, 17}, {C::EntireSeason, 0}},
      {B::EnterScores, schedule, {5, 17}, {C::Nothing, 0}},
      // Damaged settings run no week command; before any score the standings open the season.
      {B::EnterScores, open, {-1, 17}, {C::Nothing, 0}},
      {B::Predictions, open, {-1, 17}, {C::Nothing, 0}},
      {B::Standings, open, {-1, 17}, {C::Nothing, 0}},
      {B::Standings, open, {0, 17}, {C::Standings, -1}},
      {B::Predictions, open, {0, 0}, {C::Nothing, 0}},
      // A new season: nothing to score, predict or stand until its start is written, and no
      // schedule to show until one is entered.
      {B::Schedules, open, not_started, {C::EntireSeason, 0}},
      {B::EnterScores, open, not_started, {C::Nothing, 0}},
      {B::Predictions, open, not_started, {C::Nothing, 0}},
      {B::Standings, open, not_started, {C::Nothing, 0}},
      {B::Schedules, open, no_schedule, {C::Nothing, 0}},
      {B::Help, open, no_schedule, {C::Instructions, 0}},
  };
  for (const auto& [button, menus, season, expected] : cases) {
    const ToolbarAction action = ToolbarButtonAction(button, menus, season);
    EXPECT_EQ(action.command, expected.command)
        << static_cast<int>(button) << " after week " << season.last_scored_week;
    if (expected.command != C::Nothing) {
      EXPECT_EQ(action, expected);
    }
  }
}

// Catches a message that promises predictions after the last week.
TEST(WeekSaved, NamesTheNextWeekUntilTheSeasonIsComplete) {
  EXPECT_EQ(WeekSavedMessage(16, 17), "Week # 16 saved. Predictions for Week # 17 are ready.");
  EXPECT_EQ(WeekSavedMessage(17, 17), "Week # 17 saved. The season is complete.");
}

}  // namespace
}  // namespace tavrin
