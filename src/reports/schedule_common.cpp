#include "presentation/report_printing.h"
#include "presentation/report_text.h"
#include "reports/schedule_views.h"
#include "season/text_convention.h"

namespace tavrin {

namespace {
constexpr double ScheduleFontSize = 15;
constexpr std::size_t LinesOnOnePage = 25;
constexpr const char* PrintMargin = "       ";

bool IsRule(const std::string& line) { return !line.empty() && line.front() == '='; }
}  // namespace

std::string ScheduleGameText(const SeasonStore& store, int game) {
  return PadRight(Pairing(store, store.GameFirstTeam[game], store.GameSecondTeam[game]), 32) +
         "on   " + DayNameOf(store, store.GameDay[game]);
}

// Every "=" line is counted on a long listing: a blank line follows every second one, and a new
// page (prepared again) every fourth unless it is one of the last two lines.
void PrintSchedule(Session& session, const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  Printer* printer = StartReportPrint(session, "Ready to send Schedule to the Printer.");
  if (printer == nullptr) return;
  SetReportFont(*printer, session.store, ScheduleFontSize);

  const bool long_listing = lines.size() > LinesOnOnePage;
  printer->PrintLine(" ");
  if (!long_listing) {
    for (int blank = 0; blank < 3; ++blank) printer->PrintLine(" ");
  }
  int rules = 0;
  for (std::size_t index = 0; index < lines.size(); ++index) {
    const std::string& line = lines[index];
    if (long_listing && IsRule(line)) ++rules;
    printer->PrintLine(PrintMargin + line);
    if (!IsRule(line)) continue;
    if (rules == 2) printer->PrintLine(" ");
    if (rules == 4 && lines.size() - index - 1 >= 2) {
      rules = 0;
      printer->NewPage();
      PrepareReportPrinter(*printer, session.store.ReportFont);
      SetReportFont(*printer, session.store, ScheduleFontSize);
    }
  }
  printer->EndDocument();
}

}  // namespace tavrin
