#include "analysis/standings.h"

#include <fmt/format.h>

#include <array>

#include "analysis/team_ranking.h"
#include "engine/recorded_scores.h"
#include "reports/report_printing.h"
#include "reports/report_text.h"
#include "season/data_files.h"
#include "season/text_convention.h"

namespace tavrin {

namespace {

struct Division {
  const char* heading;
  int first_team;
  int last_team;  // 0: up to TeamCount
};

// Conference by conference; the column header stands under each conference's first division.
constexpr std::array<std::array<Division, 3>, 2> Conferences{{
    {{{"   East", 1, 5}, {"   Central", 6, 11}, {"   West", 12, 16}}},
    {{{"   East", 17, 21}, {"   Central", 22, 26}, {"   West", 27, 0}}},
}};
constexpr std::array<const char*, 2> ConferenceTitles{"   AFC Conference", "   NFC Conference"};

std::string StandingsLine(const SeasonStore& store, int team) {
  return PadRight(LocationOf(store, team) + "     ", 20) + RightAlignedCount(store.Wins[team], 2) +
         "     " + RightAlignedCount(store.Losses[team], 2) + "     " +
         RightAlignedCount(store.Ties[team], 2) + "    " + FormatNumber(store.WinPct[team], "0.000") + "    " +
         FormatNumber(static_cast<float>(store.Cqr[team]), "#0.0");
}

void AddDivisionRows(const SeasonStore& store, const Division& division,
                     std::vector<std::string>& lines) {
  const int last = division.last_team == 0 ? store.TeamCount : division.last_team;
  for (int place = store.TeamCount; place >= 1; --place) {
    const int team = TeamInPlace(store, place);
    if (team >= division.first_team && team <= last) lines.push_back(StandingsLine(store, team));
  }
}

}  // namespace

std::optional<std::vector<std::string>> ShowStandings(Session& session, int menu_index) {
  SeasonStore& store = session.store;
  const int week = menu_index + 1;
  store.SelectedWeek = static_cast<int16_t>(week + 1);
  store.StatsStatus.clear();
  LoadStatsBlock(store, session.folder);
  if (!CheckBlockCurrent(session, week, week)) return std::nullopt;
  session.ui.ShowBusyPointer();
  return StandingsLines(store, week);
}

std::vector<std::string> StandingsLines(SeasonStore& store, int week) {
  ComputeWinPercentages(store);
  for (int team = 1; team <= store.TeamCount && team <= MaxTeamSlot; ++team) {
    store.SortKey[team] = TeamSortKey(static_cast<double>(store.WinPct[team]) * 1000, team);
  }
  SortTeamKeys(store);

  std::vector<std::string> lines{
      fmt::format("                   Standings Week #{} {}", week, YearText(store))};
  for (std::size_t conference = 0; conference < Conferences.size(); ++conference) {
    if (conference > 0) lines.insert(lines.end(), {" ", " ", " "});
    lines.emplace_back(ConferenceTitles[conference]);
    lines.push_back("  " + std::string(51, '_'));
    const auto& divisions = Conferences[conference];
    for (std::size_t index = 0; index < divisions.size(); ++index) {
      if (index > 0) lines.emplace_back(" ");
      lines.emplace_back(divisions[index].heading);
      if (index == 0) lines.emplace_back("                   Wins  Losses  Ties     %      CQR");
      AddDivisionRows(store, divisions[index], lines);
    }
  }
  lines.emplace_back(" ");
  return lines;
}

void PrintStandings(Session& session, const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  Printer* printer = StartReportPrint(session, "Ready to send Standings to the Printer.");
  if (printer == nullptr) return;
  SetReportFont(*printer, session.store, 11);
  const std::string margin(8, ' ');
  printer->PrintLine(" ");
  printer->PrintLine(" ");
  printer->PrintLine(margin + lines.front());
  printer->PrintLine(" ");
  for (std::size_t index = 1; index < lines.size(); ++index) printer->PrintLine(margin + lines[index]);
  printer->EndDocument();
}

}  // namespace tavrin
