#include <fmt/format.h>

#include "presentation/report_text.h"
#include "reports/schedule_views.h"
#include "season/data_files.h"
#include "season/text_convention.h"

namespace tavrin {

std::vector<std::string> ShowSeasonSchedule(Session& session) {
  SeasonStore& store = session.store;
  session.ui.ShowBusyPointer();
  const std::string rule(46, '=');
  std::vector<std::string> lines;
  for (int week = 1; week <= store.WeeksInSeason; ++week) {
    const bool scheduled = ReadScheduleWeek(store, session.folder, week);
    lines.push_back(
        fmt::format("                   Week # {} {}", week, YearText(store.WorkingYear)));
    lines.push_back(rule);
    if (!scheduled) {
      lines.emplace_back("Schedule for this week was not available");
    } else {
      const int games = LoadedGameCount(store);
      for (int game = 1; game <= games; ++game) lines.push_back(ScheduleGameText(store, game));
    }
    lines.push_back(rule);
    lines.emplace_back(" ");
    lines.emplace_back(" ");
  }
  return lines;
}

}  // namespace tavrin
