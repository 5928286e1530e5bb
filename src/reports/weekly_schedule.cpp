#include <fmt/format.h>

#include "presentation/report_messages.h"
#include "presentation/report_text.h"
#include "reports/schedule_views.h"
#include "season/text_convention.h"

namespace tavrin {

std::optional<std::vector<std::string>> ShowWeeklySchedule(Session& session, int week) {
  const SeasonStore& store = session.store;
  session.ui.ShowBusyPointer();
  if (!ReadWeekToList(session, week)) return std::nullopt;

  const std::string rule(46, '=');
  std::vector<std::string> lines{
      fmt::format("                    Week # {} {}", week, YearText(store.WorkingYear)), rule};
  const int games = LoadedGameCount(store);
  for (int game = 1; game <= games; ++game) lines.push_back(ScheduleGameText(store, game));
  lines.push_back(rule);
  return lines;
}

}  // namespace tavrin
