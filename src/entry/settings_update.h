#pragma once
// The settings window's OK without the window: the checks, the store and the settings file.

#include <string>

#include "platform/session.h"
#include "season/season_store.h"

namespace tavrin {

// The ranges of the two scroll bars, in percent.
inline constexpr int MinReactivity = 70;
inline constexpr int MaxReactivity = 130;
inline constexpr int MinWeighting = 60;
inline constexpr int MaxWeighting = 140;
inline constexpr int FirstWorkingYear = 1997;
inline constexpr int LastWorkingYear = 9999;  // the files and reports write the year in four digits
// A season of at least one week; a week number also names a statistics block and a menu entry.
inline constexpr int MaxWeeksInSeason = 52;

// What the settings window holds when OK is pressed: the two boxes' texts and the two bars.
struct SettingsForm {
  std::string year_text;
  std::string weeks_text;
  int reactivity = 100;
  int weighting = 100;
};

// Puts the form's settings into the store when its boxes hold a usable year and week count;
// otherwise tells the user which box is wrong (a beep and a message for the year, a message for
// the weeks), changes nothing and returns false. Writes no file.
bool TakeSettingsForm(Session& session, const SettingsForm& form);

// TakeSettingsForm, then the settings file. Refused leaves the window open and nothing changed;
// NotSaved leaves the store with the settings it had.
CommandResult ApplySettings(Session& session, const SettingsForm& form);

}  // namespace tavrin
