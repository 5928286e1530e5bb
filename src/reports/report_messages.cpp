#include "reports/report_messages.h"

#include <fmt/format.h>

namespace tavrin {

namespace {
constexpr const char* Caption = "Tavrin";
constexpr const char* LineBreak = "\n\r";
}  // namespace

bool NoScoresRecorded(const SeasonStore& store) {
  for (int slot = 1; slot <= 2; ++slot) {
    if (store.FirstScore[slot] != 0 || store.SecondScore[slot] != 0) return false;
  }
  return true;
}

void ShowScoresNotCurrent(UserInterface& ui, int week) {
  ui.ShowMessage(fmt::format("Cannot Complete Action....{}Scores must be current thru Week # {}.",
                             LineBreak, week),
                 Caption, MessageIcon::Exclamation);
}

void ShowScheduleUnavailable(UserInterface& ui, int week) {
  ui.ShowMessage(fmt::format("Unable to Load the Schedule for Week {}.", week), Caption,
                 MessageIcon::Exclamation);
}

void ShowStatisticsUnavailable(UserInterface& ui, int week) {
  ui.ShowMessage(fmt::format("Unable to Load the Statistics for Week {}.{}Scores must be current "
                             "thru week # {}.",
                             week, LineBreak, week - 1),
                 Caption, MessageIcon::Exclamation);
}

}  // namespace tavrin
