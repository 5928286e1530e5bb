#pragma once
// The main window's rules without the window: which menus a listing panel locks, and what a
// toolbar button does given the menus and the season's progress.

#include <string>

namespace tavrin {

// The four menus a listing panel can lock; true is enabled.
struct MenuStates {
  bool schedules = true;  // SchedMenu
  bool games = true;      // Gamesmenu
  bool standings = true;  // standingsmenu
  bool edit = true;       // Editmenu
  bool operator==(const MenuStates&) const = default;
};

enum class ListingPanel { None, Schedule, Predictions, Standings };

// The menus while a panel is shown. The schedule panel leaves the Schedules menu available, so
// another schedule view can replace its listing; the report panel locks all four.
MenuStates MenusWhileShowing(ListingPanel panel);

enum class ToolbarButton {
  Schedules = 0,
  EnterScores = 1,
  Predictions = 2,
  Standings = 3,
  Help = 4
};

enum class ToolbarCommand {
  Nothing,
  EntireSeason,
  EnterScores,
  Predictions,
  Standings,
  Instructions
};

// A command and the week menu entry it runs with (entry i is week i + 1).
struct ToolbarAction {
  ToolbarCommand command = ToolbarCommand::Nothing;
  int menu_index = 0;
  bool operator==(const ToolbarAction&) const = default;
};

// How far the season has come, as the toolbar needs it.
struct SeasonProgress {
  int last_scored_week = 0;
  int weeks_in_season = 0;
  bool has_schedule = true;  // the season's schedule file exists
  // The block of the last scored week holds its scores (for week 0, the season's start): until
  // then no week can be scored, predicted or stood.
  bool started = true;
  // Nothing can be saved while another program holds the season's folder.
  bool read_only = false;
};

// A locked menu means a panel is open, and then only Help works. Scores and predictions act on
// the week after the last one scored while the season has one; the standings show the week
// last scored. A negative last scored week (a damaged settings file) runs no week command, nor
// does a season not started, and scores are not entered into a read-only season; the
// schedules need a schedule. A button with nothing to do looks
// disabled, so a new season's toolbar shows what can be done.
ToolbarAction ToolbarButtonAction(ToolbarButton button, const MenuStates& menus,
                                  const SeasonProgress& season);

// What the main window says once week `week` is processed and saved.
std::string WeekSavedMessage(int week, int weeks_in_season);

}  // namespace tavrin
