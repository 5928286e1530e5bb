#include <fmt/format.h>

#include "reports/report_messages.h"
#include "reports/report_text.h"
#include "reports/schedule_views.h"
#include "season/data_files.h"

namespace tavrin {

std::optional<std::vector<std::string>> ShowWeeklySchedule(Session& session, int menu_index) {
  SeasonStore& store = session.store;
  const int week = menu_index + 1;
  store.SelectedWeek = static_cast<int16_t>(week);
  store.ScheduleStatus.clear();
  session.ui.ShowBusyPointer();
  ReadScheduleWeek(store, session.folder, week);
  if (store.ScheduleStatus == StatusError) ShowScheduleUnavailable(session.ui, week);
  if (store.GameFirstTeam[1] == 0 || store.GameSecondTeam[1] == 0) return std::nullopt;

  const std::string rule(46, '=');
  std::vector<std::string> lines{
      fmt::format("                    Week # {} {}", week, YearText(store)), rule};
  const int games = LoadedGameCount(store);
  for (int game = 1; game <= games; ++game) lines.push_back(ScheduleGameText(store, game));
  lines.push_back(rule);
  return lines;
}

}  // namespace tavrin
