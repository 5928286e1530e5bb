#include "reports/report_messages.h"

#include <fmt/format.h>

namespace tavrin {

namespace {
constexpr const char* Caption = "Tavrin";
constexpr const char* LineBreak = "\n\r";
}  // namespace

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
