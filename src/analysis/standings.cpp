#include "analysis/standings.h"

#include <fmt/format.h>

#include "analysis/team_ranking.h"
#include "engine/recorded_scores.h"
#include "league/season_league.h"
#include "presentation/report_printing.h"
#include "presentation/report_text.h"
#include "season/data_files.h"
#include "season/league.h"
#include "season/text_convention.h"

namespace tavrin {

namespace {

std::string StandingsLine(const SeasonStore& store, const SlotArray<float>& percentages, int team) {
  return PadRight(LocationOf(store, team) + "     ", 20) + RightAlignedCount(store.Wins[team], 2) +
         "     " + RightAlignedCount(store.Losses[team], 2) + "     " +
         RightAlignedCount(store.Ties[team], 2) + "    " +
         FormatNumber(percentages[team], "0.000") + "    " +
         FormatNumber(static_cast<float>(store.Cqr[team]), "#0.0");
}

void AddDivisionRows(const SeasonStore& store, const SlotArray<float>& percentages,
                     const TeamPlaces& places, const league::Division& division,
                     std::vector<std::string>& lines) {
  for (int place = store.TeamCount; place >= 1; --place) {
    const int team = places.TeamInPlace(place);
    if (team >= division.first_team && team <= division.last_team) {
      lines.push_back(StandingsLine(store, percentages, team));
    }
  }
}

}  // namespace

std::optional<std::vector<std::string>> ShowStandings(Session& session, int week) {
  if (!LoadBlockToShow(session, week, week)) return std::nullopt;
  session.ui.ShowBusyPointer();
  return StandingsLines(session.store, week);
}

std::vector<std::string> StandingsLines(const SeasonStore& store, int week) {
  const SlotArray<float> percentages = WinPercentages(store);
  SlotArray<double> keys{};
  for (int team = 1; team <= store.TeamCount && team <= MaxTeamSlot; ++team) {
    keys[team] = TeamSortKey(static_cast<double>(percentages[team]) * 1000, team);
  }
  const TeamPlaces places(keys, store.TeamCount);

  std::vector<std::string> lines{
      fmt::format("                   Standings Week #{} {}", week, YearText(store.WorkingYear))};
  const league::Division* previous = nullptr;
  for (const league::Division& division : DivisionsOf(SeasonTeamCount(store))) {
    const bool opens_conference =
        previous == nullptr || previous->conference != division.conference;
    if (opens_conference) {
      if (previous != nullptr) lines.insert(lines.end(), {" ", " ", " "});
      lines.push_back(fmt::format("   {} Conference",
                                  league::ConferenceNames[static_cast<int>(division.conference)]));
      lines.push_back("  " + std::string(51, '_'));
    } else {
      lines.emplace_back(" ");
    }
    // The divisions' own capitalisation ("East"), indented to the report's first column.
    lines.push_back(fmt::format("   {}", division.name));
    if (opens_conference)
      lines.emplace_back("                   Wins  Losses  Ties     %      CQR");
    AddDivisionRows(store, percentages, places, division, lines);
    previous = &division;
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
  for (std::size_t index = 1; index < lines.size(); ++index)
    printer->PrintLine(margin + lines[index]);
  printer->EndDocument();
}

}  // namespace tavrin
