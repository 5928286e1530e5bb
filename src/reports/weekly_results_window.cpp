#include "reports/weekly_results_window.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/dialog_buttons.h"
#include "platform/qt/dialog_window.h"
#include "presentation/report_list_view.h"
#include "presentation/report_printing.h"
#include "presentation/view_buttons.h"
#include "reports/weekly_results.h"

namespace tavrin {

namespace {

constexpr int ShownLines = 16;

}  // namespace

WeeklyResultsWindow::WeeklyResultsWindow(Session& session, int week, std::vector<std::string> lines,
                                         QWidget* owner)
    : QDialog(owner), session_(session), week_(week), lines_(std::move(lines)) {
  setObjectName("VResults");
  setWindowTitle("Tavrin Results");
  setSizeGripEnabled(true);
  auto* results_list =
      new ReportListView(this, ResultsLineLength, ShownLines, ReportListView::Selection::Never);
  QDialogButtonBox* buttons = qt::MakeDialogButtonBox(this);
  QPushButton* print_button =
      AddViewButton(buttons, "printbutton", qt::ButtonPicture::Print, "Print Results");
  AddViewButton(buttons, "donebutton", qt::ButtonPicture::Done, "Close Results");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(results_list, 1);
  layout->addWidget(buttons);
  results_list->SetLines(lines_);
  connect(print_button, &QPushButton::clicked, this, &WeeklyResultsWindow::OnPrint);
}

void WeeklyResultsWindow::OnPrint() {
  PrintAsJob(session_, "Tavrin Results week " + std::to_string(week_),
             [this] { PrintResults(session_, lines_, ResultsFontOrder::SizeThenName); });
}

QDialog* OpenWeeklyResultsWindow(Session& session, int week, QWidget* main_window) {
  auto lines = ShowWeeklyResults(session, week);
  if (!lines) return nullptr;
  auto* window = new WeeklyResultsWindow(session, week, std::move(*lines), main_window);
  qt::ShowDialog(window);
  return window;
}

}  // namespace tavrin
