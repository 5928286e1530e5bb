#include "presentation/report_messages.h"

#include <fmt/format.h>

#include "engine/recorded_scores.h"
#include "season/data_files.h"

namespace tavrin {

namespace {
constexpr const char* LineBreak = "\n\r";
}  // namespace

void ShowStatisticsUnavailable(UserInterface& ui, int week) {
  ui.ShowMessage(fmt::format("Unable to Load the Statistics for Week {}.{}Scores must be current "
                             "thru week # {}.",
                             week, LineBreak, week - 1),
                 ProgramCaption, MessageIcon::Exclamation);
}

bool ReadWeekToList(Session& session, int week) {
  if (ReadScheduleWeek(session.store, session.folder, week)) return true;
  if (!ShowWhenScheduleWeekDamaged(session, week)) ShowScheduleUnavailable(session.ui, week);
  return false;
}

}  // namespace tavrin
