#pragma once
// The program's caption and the messages several commands show word for word alike, so each
// text lives in one place.

#include <string>

#include "platform/user_interface.h"

namespace tavrin {

inline constexpr const char* ProgramCaption = "Tavrin";

// A data file could not be written. The file's name, and any lines after it, follow on a line
// of their own when given.
inline void ShowSaveFailure(UserInterface& ui, const std::string& file_name = {}) {
  std::string text = "Unable to Save file - check disk, write protect etc..";
  if (!file_name.empty()) text += "\n\r" + file_name;
  ui.ShowMessage(text, ProgramCaption, MessageIcon::Exclamation);
}

// A week of the schedule is missing or cannot be used.
inline void ShowScheduleUnavailable(UserInterface& ui, int week) {
  ui.ShowMessage("Unable to Load the Schedule for Week " + std::to_string(week) + ".",
                 ProgramCaption, MessageIcon::Exclamation);
}

}  // namespace tavrin
