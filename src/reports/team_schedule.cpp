#include <fmt/format.h>

#include "presentation/report_text.h"
#include "reports/schedule_views.h"
#include "season/data_files.h"
#include "season/text_convention.h"

namespace tavrin {

// Every line starts with the week number in a three-character field.
std::optional<std::vector<std::string>> ShowTeamSchedule(Session& session,
                                                         const std::string& choice_text) {
  SeasonStore& store = session.store;
  session.ui.ShowBusyPointer();
  const int team = FindTeamByName(store, choice_text);
  if (team == 0) return std::nullopt;

  const std::string rule(49, '=');
  std::vector<std::string> lines{fmt::format("Week #         {}  {} Schedule", store.TeamName[team],
                                             YearText(store.WorkingYear)),
                                 rule};
  for (int week = 1; week <= store.WeeksInSeason; ++week) {
    const bool scheduled = ReadScheduleWeek(store, session.folder, week);
    const std::string week_field = fmt::format("{:<3}", week);
    if (!scheduled) {
      lines.push_back(fmt::format("{:<2} n/a", week));
      continue;
    }
    bool plays = false;
    const int games = LoadedGameCount(store);
    for (int game = 1; game <= games; ++game) {
      if (store.GameFirstTeam[game] != team && store.GameSecondTeam[game] != team) continue;
      plays = true;
      lines.push_back(week_field + ScheduleGameText(store, game));
    }
    if (!plays) lines.push_back(week_field + "off");
  }
  lines.push_back(rule);
  return lines;
}

}  // namespace tavrin
