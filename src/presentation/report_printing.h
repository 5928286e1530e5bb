#pragma once
// What every print command shares: the OK/Cancel question, the busy pointer, the printer
// preparation that starts the job, and the report font.

#include <string>
#include <vector>

#include "platform/printer.h"
#include "platform/session.h"
#include "season/season_store.h"

namespace tavrin {

// Selects the first printer font that is neither the current font nor the report font (if
// there is one), then prints a line holding one space, which starts the job.
void PrepareReportPrinter(Printer& printer, const std::string& report_font);

// Asks the report's confirmation (OK/Cancel, caption "Tavrin"); on OK shows the busy pointer,
// runs PrepareReportPrinter and returns the printer; on Cancel returns nullptr.
Printer* StartReportPrint(Session& session, const std::string& question);

// Runs a print command with the printer's job named after the report (the spooler's title,
// or the file a job without a printer is saved in). The name is cleared afterwards, so a
// cancelled print does not name another window's job.
template <typename PrintCommand>
void PrintAsJob(Session& session, const std::string& job_name, PrintCommand print) {
  Printer& printer = session.ui.ReportPrinter();
  printer.SetJobName(job_name);
  print();
  printer.SetJobName("");
}

// Sets the printer font to ReportFont; with no report font chosen, the font that
// PrepareReportPrinter selected stays.
void SetReportFontName(Printer& printer, const SeasonStore& store);
// ReportFont, then the size.
void SetReportFont(Printer& printer, const SeasonStore& store, double points);

// The plain report print: the question, the report font at `points`, two blank lines, then every
// line three spaces in.
void PrintIndentedReport(Session& session, const std::string& question, double points,
                         const std::vector<std::string>& lines);

}  // namespace tavrin
