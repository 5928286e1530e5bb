#include "reports/statistics_view.h"

#include <fmt/format.h>

#include <algorithm>

#include "analysis/team_ranking.h"
#include "engine/recorded_scores.h"
#include "presentation/report_printing.h"
#include "presentation/report_text.h"
#include "season/data_files.h"
#include "season/text_convention.h"

namespace tavrin {

namespace {

const std::string Underline(StatisticsLineLength, '_');

// The whole part the order sorts by. The CQR is multiplied in single precision; the others are
// multiplied exactly, so 21.3 (held just below) sorts with 21.2.
double SortFigure(const SeasonStore& store, const SlotArray<float>& percentages, int team,
                  StatisticsOrder order) {
  switch (order) {
    case StatisticsOrder::QualityRating: return static_cast<float>(store.Cqr[team]) * 10.0f;
    case StatisticsOrder::Percentage: return static_cast<double>(percentages[team]) * 1000;
    case StatisticsOrder::AveOffense: return static_cast<double>(store.AveOffense[team]) * 10;
    case StatisticsOrder::AveDefense: return static_cast<double>(store.AveDefense[team]) * 10;
  }
  return 0;
}

std::string Heading(const SeasonStore& store, int week) {
  if (week == store.WeeksInSeason + 1) {
    return fmt::format("             Tavrin Statistics at the completion of the {} Season",
                       YearText(store.WorkingYear));
  }
  return fmt::format("                 Tavrin Statistics Entering Week #{} {}", week,
                     YearText(store.WorkingYear));
}

std::string TeamLine(const SeasonStore& store, const SlotArray<float>& percentages, int team) {
  const float cqr = static_cast<float>(store.Cqr[team]);
  return PadRight(" " + LocationOf(store, team), 17) + RightAlignedCount(store.Wins[team], 2) +
         "    " + RightAlignedCount(store.Losses[team], 2) + "   " +
         RightAlignedCount(store.Ties[team], 2) + "   " + FormatNumber(percentages[team], "0.000") +
         "   " + RightAlignedCount(store.PointsScored[team], 3) + "     " +
         RightAlignedCount(store.PointsAllowed[team], 3) + "     " +
         FormatNumber(store.AveOffense[team], "00.0") + "  " +
         FormatNumber(store.AveDefense[team], "00.0") + "  " + (cqr < 100 ? " " : "") +
         FormatNumber(cqr, "#0.0");
}

}  // namespace

std::optional<std::vector<std::string>> ShowStatistics(Session& session, int block) {
  SeasonStore& store = session.store;
  session.ui.ShowBusyPointer();
  const int week = block + 1;
  if (!LoadBlockToShow(session, block, block)) return std::nullopt;
  return StatisticsLines(store, week, StatisticsOrder::QualityRating);
}

std::vector<std::string> StatisticsLines(const SeasonStore& store, int week,
                                         StatisticsOrder order) {
  const int teams = std::min<int>(store.TeamCount, MaxTeamSlot);
  const SlotArray<float> percentages = WinPercentages(store);
  SlotArray<double> keys{};
  for (int team = 1; team <= teams; ++team) {
    keys[team] = TeamSortKey(SortFigure(store, percentages, team, order), team);
  }
  const TeamPlaces places(keys, teams);

  std::vector<std::string> lines{
      Heading(store, week), Underline,
      "                                        Points  Points   Ave   Ave",
      " - Teams -      Wins Losses Ties   %    Scored  Allowed  Off   Def    CQR", Underline};
  // Lowest average defense is best, so that order lists from the bottom of the keys up.
  const bool ascending = order == StatisticsOrder::AveDefense;
  for (int step = 0; step < teams; ++step) {
    const int place = ascending ? step + 1 : teams - step;
    lines.push_back(TeamLine(store, percentages, places.TeamInPlace(place)));
  }
  return lines;
}

void PrintStatistics(Session& session, const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  Printer* printer = StartReportPrint(session, "Ready to send Statistics to the Printer.");
  if (printer == nullptr) return;
  SetReportFont(*printer, session.store, 12);
  for (int blank = 0; blank < 4; ++blank) printer->PrintLine(" ");
  for (const std::string& line : lines) printer->PrintLine(" " + line);
  printer->PrintLine(" ");
  printer->PrintLine(" " + Underline);
  printer->EndDocument();
}

}  // namespace tavrin
