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
  SeasonStore& store = session.store;
  store.SelectedWeek = static_cast<int16_t>(week);
  ReadScheduleWeek(store, session.folder, week);
  if (store.ScheduleStatus == StatusError) {
    if (!ShowWhenScheduleWeekDamaged(session, week)) ShowScheduleUnavailable(session.ui, week);
    return false;
  }
  return store.GameFirstTeam[1] != 0 && store.GameSecondTeam[1] != 0;
}

}  // namespace tavrin
