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
  const struct {
    B button;
    MenuStates menus;
    int last_scored, weeks;
    ToolbarAction action;
  } cases[] = {
      {B::Schedules, open, 5, 17, {C::EntireSeason, 0}},
      {B::EnterScores, open, 5, 17, {C::EnterScores, 5}},
      {B::Predictions, open, 5, 17, {C::Predictions, 5}},
      {B::Standings, open, 5, 17, {C::Standings, 4}},
      {B::Help, open, 5, 17, {C::Instructions, 0}},
      // A complete season has nothing to score or predict but shows its final standings.
      {B::EnterScores, open, 17, 17, {C::Nothing, 0}},
      {B::Predictions, open, 17, 17, {C::Nothing, 0}},
      {B::Standings, open, 17, 17, {C::Standings, 16}},
      {B::EnterScores, open, 16, 17, {C::EnterScores, 16}},
      // Help still works while the report panel is open (the window test shows the rest locked);
      // the schedule panel keeps schedules.
      {B::Help, locked, 5, 17, {C::Instructions, 0}},
      {B::Schedules, schedule, 5, 17, {C::EntireSeason, 0}},
      {B::EnterScores, schedule, 5, 17, {C::Nothing, 0}},
      // Damaged settings run no week command; before any score the standings open the season.
      {B::EnterScores, open, -1, 17, {C::Nothing, 0}},
      {B::Predictions, open, -1, 17, {C::Nothing, 0}},
      {B::Standings, open, -1, 17, {C::Nothing, 0}},
      {B::Standings, open, 0, 17, {C::Standings, -1}},
      {B::Predictions, open, 0, 0, {C::Nothing, 0}},
  };
  for (const auto& c : cases) {
    const ToolbarAction action = ToolbarButtonAction(c.button, c.menus, c.last_scored, c.weeks);
    EXPECT_EQ(action.command, c.action.command)
        << static_cast<int>(c.button) << " after week " << c.last_scored;
    if (c.action.command != C::Nothing) {
      EXPECT_EQ(action, c.action);
    }
  }
}

// Catches a colour display taken for a low-colour one, or an unknown depth taken for low.
TEST(ColourDepth, LowColourDisplaysAreThoseOfFewerThanEightBits) {
  for (const int bits : {4, 7}) EXPECT_EQ(ColourDepthFlagFor(bits), 0) << bits;
  for (const int bits : {8, 24, 0}) EXPECT_EQ(ColourDepthFlagFor(bits), 8) << bits;
}

// Catches a message that promises predictions after the last week.
TEST(WeekSaved, NamesTheNextWeekUntilTheSeasonIsComplete) {
  const struct {
    int week, weeks;
    const char* message;
  } cases[] = {{16, 17, "Week 16 saved. Predictions for week 17 are ready."},
               {17, 17, "Week 17 saved. The season is complete."}};
  for (const auto& c : cases) EXPECT_EQ(WeekSavedMessage(c.week, c.weeks), c.message) << c.week;
}

}  // namespace
}  // namespace tavrin
