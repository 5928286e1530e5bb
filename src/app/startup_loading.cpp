#include "app/startup_loading.h"

#include <fmt/format.h>

#include <algorithm>
#include <array>

#include "league/league_names.h"
#include "platform/messages.h"
#include "season/data_files.h"

namespace tavrin {
namespace {

constexpr std::array<const char*, 7> DayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                              "Thursday", "Friday", "Saturday"};

void ShowLoadingFailure(UserInterface& ui) {
  ui.ShowMessage(LoadingFailureText, LoadingFailureCaption, MessageIcon::Exclamation);
}

}  // namespace

WeekMenuCaptions BuildWeekMenuCaptions(int weeks_in_season) {
  const int weeks = std::clamp(weeks_in_season, 0, MaxMenuWeeks);
  WeekMenuCaptions menus;
  menus.schedules.emplace_back("Week # 1");
  menus.scores.emplace_back("Week #1");
  menus.predictions.emplace_back("Week #1");
  menus.results.emplace_back("Week #1");
  menus.standings.emplace_back("Week # 1");
  menus.statistics.emplace_back("Start of Season");
  for (int index = 1; index <= weeks - 1; ++index) {
    const std::string caption = "Week # " + std::to_string(index + 1);
    for (auto* menu :
         {&menus.schedules, &menus.scores, &menus.predictions, &menus.results, &menus.standings}) {
      menu->push_back(caption);
    }
  }
  for (int index = 1; index <= weeks; ++index)
    menus.statistics.push_back("Week # " + std::to_string(index));
  return menus;
}

void ForgetMissingReportFont(SeasonStore& store, Printer& printer) {
  if (store.ReportFont.empty()) return;  // nothing to forget, and listing fonts is slow
  const int fonts = printer.FontCount();
  for (int index = 0; index < fonts; ++index) {
    if (printer.FontName(index) == store.ReportFont) return;
  }
  store.ReportFont.clear();
}

WeekMenuCaptions LoadAtStartup(SeasonStore& store, const std::filesystem::path& folder,
                               UserInterface& ui, Printer& printer) {
  // One message however many of the two files failed: it names both.
  bool failed = !ReadSettings(store, folder);
  store.TeamCount = SeasonTeamCountIn(folder, store.WorkingYear);
  WeekMenuCaptions menus = BuildWeekMenuCaptions(store.WeeksInSeason);
  ForgetMissingReportFont(store, printer);
  failed = !ReadSeasonNames(store, folder) || failed;
  if (failed) ShowLoadingFailure(ui);
  for (std::size_t day = 0; day < DayNames.size(); ++day) store.DayName[day + 1] = DayNames[day];
  if (!failed) ShowFirstDamagedBlock(store, folder, ui);
  return menus;
}

void ShowFirstDamagedBlock(const SeasonStore& store, const std::filesystem::path& folder,
                           UserInterface& ui) {
  for (int block = 0; block <= store.LastScoredWeek && block <= store.WeeksInSeason; ++block) {
    if (!StatsBlockDamaged(store, folder, block)) continue;
    // Block 0 opens the season: the weeks from the first on follow from it.
    const int first = std::max(block, 1);
    const std::string weeks =
        first >= store.LastScoredWeek
            ? fmt::format("the scores of Week # {} must", first)
            : fmt::format("the scores of Week # {} to Week # {} must", first, store.LastScoredWeek);
    ui.ShowMessage(fmt::format("{} is damaged at Week # {};\n\r{} be entered again.",
                               StatisticsFileName(store.WorkingYear), block, weeks),
                   ProgramCaption, MessageIcon::Exclamation);
    return;
  }
}

}  // namespace tavrin
