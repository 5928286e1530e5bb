#include "presentation/report_printing.h"

#include "platform/messages.h"

namespace tavrin {

void PrepareReportPrinter(Printer& printer, const std::string& report_font) {
  const std::string current = printer.CurrentFontName();
  const int count = printer.FontCount();
  for (int index = 0; index < count; ++index) {
    const std::string name = printer.FontName(index);
    if (name != current && name != report_font) {
      printer.SetCurrentFontName(name);
      break;
    }
  }
  printer.PrintLine(" ");
}

Printer* StartReportPrint(Session& session, const std::string& question) {
  if (!session.ui.AskOkCancel(question, ProgramCaption, MessageIcon::None, DefaultButton::First)) {
    return nullptr;
  }
  session.ui.ShowBusyPointer();
  Printer& printer = session.ui.ReportPrinter();
  PrepareReportPrinter(printer, session.store.ReportFont);
  return &printer;
}

void SetReportFontName(Printer& printer, const SeasonStore& store) {
  if (!store.ReportFont.empty()) printer.SetCurrentFontName(store.ReportFont);
}

void SetReportFont(Printer& printer, const SeasonStore& store, double points) {
  SetReportFontName(printer, store);
  printer.SetFontSize(points);
}

void PrintIndentedReport(Session& session, const std::string& question, double points,
                         const std::vector<std::string>& lines) {
  Printer* printer = StartReportPrint(session, question);
  if (printer == nullptr) return;
  SetReportFont(*printer, session.store, points);
  printer->PrintLine(" ");
  printer->PrintLine(" ");
  for (const std::string& line : lines) printer->PrintLine("   " + line);
  printer->EndDocument();
}

}  // namespace tavrin
