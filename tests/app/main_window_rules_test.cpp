// The toolbar's rules and the menus a listing panel locks.

#include "app/main_window_rules.h"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

constexpr MenuStates AllEnabled{};

TEST(ListingPanels, ReportPanelLocksEveryMenuTheSchedulePanelAllButSchedules) {
  EXPECT_EQ(MenusWhileShowing(ListingPanel::None), AllEnabled);
  EXPECT_EQ(MenusWhileShowing(ListingPanel::Schedule), (MenuStates{true, false, false, false}));
  EXPECT_EQ(MenusWhileShowing(ListingPanel::Predictions), (MenuStates{false, false, false, false}));
  EXPECT_EQ(MenusWhileShowing(ListingPanel::Standings), (MenuStates{false, false, false, false}));
}

TEST(Toolbar, MidSeasonActsOnTheWeekAfterTheLastScored) {
  EXPECT_EQ(ToolbarButtonAction(ToolbarButton::Schedules, AllEnabled, 5, 17),
            (ToolbarAction{ToolbarCommand::EntireSeason, 0}));
  EXPECT_EQ(ToolbarButtonAction(ToolbarButton::EnterScores, AllEnabled, 5, 17),
            (ToolbarAction{ToolbarCommand::EnterScores, 5}));
  EXPECT_EQ(ToolbarButtonAction(ToolbarButton::Predictions, AllEnabled, 5, 17),
            (ToolbarAction{ToolbarCommand::Predictions, 5}));
  EXPECT_EQ(ToolbarButtonAction(ToolbarButton::Standings, AllEnabled, 5, 17),
            (ToolbarAction{ToolbarCommand::Standings, 4}));
  EXPECT_EQ(ToolbarButtonAction(ToolbarButton::Help, AllEnabled, 5, 17),
            (ToolbarAction{ToolbarCommand::Instructions, 0}));
}

TEST(Toolbar, CompleteSeasonHasNothingToScoreOrPredictButShowsFinalStandings) {
  EXPECT_EQ(ToolbarButtonAction(ToolbarButton::EnterScores, AllEnabled, 17, 17).command,
            ToolbarCommand::Nothing);
  EXPECT_EQ(ToolbarButtonAction(ToolbarButton::Predictions, AllEnabled, 17, 17).command,
            ToolbarCommand::Nothing);
  EXPECT_EQ(ToolbarButtonAction(ToolbarButton::Standings, AllEnabled, 17, 17),
            (ToolbarAction{ToolbarCommand::Standings, 16}));
  // The last week still to play is offered.
  EXPECT_EQ(ToolbarButtonAction(ToolbarButton::EnterScores, AllEnabled, 16, 17),
            (ToolbarAction{ToolbarCommand::EnterScores, 16}));
}

TEST(Toolbar, OnlyHelpWorksWhileTheReportPanelIsOpen) {
  const MenuStates locked = MenusWhileShowing(ListingPanel::Predictions);
  for (const auto button : {ToolbarButton::Schedules, ToolbarButton::EnterScores,
                            ToolbarButton::Predictions, ToolbarButton::Standings}) {
    EXPECT_EQ(ToolbarButtonAction(button, locked, 5, 17).command, ToolbarCommand::Nothing);
  }
  EXPECT_EQ(ToolbarButtonAction(ToolbarButton::Help, locked, 5, 17).command,
            ToolbarCommand::Instructions);
}

TEST(Toolbar, SchedulePanelStillTakesTheSeasonSchedule) {
  const MenuStates schedule = MenusWhileShowing(ListingPanel::Schedule);
  EXPECT_EQ(ToolbarButtonAction(ToolbarButton::Schedules, schedule, 5, 17).command,
            ToolbarCommand::EntireSeason);
  EXPECT_EQ(ToolbarButtonAction(ToolbarButton::EnterScores, schedule, 5, 17).command,
            ToolbarCommand::Nothing);
  EXPECT_EQ(ToolbarButtonAction(ToolbarButton::Standings, schedule, 5, 17).command,
            ToolbarCommand::Nothing);
}

TEST(Toolbar, DamagedSettingsRunNoWeekCommand) {
  for (const auto button :
       {ToolbarButton::EnterScores, ToolbarButton::Predictions, ToolbarButton::Standings}) {
    EXPECT_EQ(ToolbarButtonAction(button, AllEnabled, -1, 17).command, ToolbarCommand::Nothing);
  }
  // Before any week is scored the standings show the start of the season, as the menu would.
  EXPECT_EQ(ToolbarButtonAction(ToolbarButton::Standings, AllEnabled, 0, 17),
            (ToolbarAction{ToolbarCommand::Standings, -1}));
  EXPECT_EQ(ToolbarButtonAction(ToolbarButton::Predictions, AllEnabled, 0, 0).command,
            ToolbarCommand::Nothing);
}

TEST(ColourDepth, LowColourDisplaysAreThoseOfFewerThanEightBits) {
  EXPECT_EQ(ColourDepthFlagFor(4), 0);
  EXPECT_EQ(ColourDepthFlagFor(7), 0);
  EXPECT_EQ(ColourDepthFlagFor(8), 8);
  EXPECT_EQ(ColourDepthFlagFor(24), 8);
  EXPECT_EQ(ColourDepthFlagFor(0), 8);  // no information: a colour display
}

TEST(WeekSaved, NamesTheNextWeekUntilTheSeasonIsComplete) {
  const struct {
    int week, weeks;
    const char* message;
  } cases[] = {{1, 17, "Week 1 saved. Predictions for week 2 are ready."},
               {16, 17, "Week 16 saved. Predictions for week 17 are ready."},
               {17, 17, "Week 17 saved. The season is complete."}};
  for (const auto& c : cases) EXPECT_EQ(WeekSavedMessage(c.week, c.weeks), c.message) << c.week;
}

}  // namespace
}  // namespace tavrin
