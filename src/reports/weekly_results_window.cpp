#include "reports/weekly_results_window.h"

#include <QPushButton>

#include "platform/qt/secondary_window.h"
#include "platform/qt/twips.h"
#include "presentation/report_list_view.h"
#include "presentation/report_printing.h"
#include "presentation/view_buttons.h"
#include "reports/weekly_results.h"

namespace tavrin {

WeeklyResultsWindow::WeeklyResultsWindow(Session& session, std::vector<std::string> lines)
    : session_(session), lines_(std::move(lines)) {
  setObjectName("VResults");
  setWindowTitle("Tavrin Results");
  const ReportListLayout layout = ReportWindowListLayout(9255, ResultsLineLength, 4440);
  const double right = layout.left + layout.width;
  setFixedSize(qt::TwipsSize(right + layout.left, 5760));
  results_list_ = new ReportListView(this, layout, ReportListView::Selection::Never);
  printbutton_ = MakePictureButton(this, "printbutton", qt::ButtonPicture::Print, "Print Results",
                                   right - 1320, 5010);
  donebutton_ = MakePictureButton(this, "donebutton", qt::ButtonPicture::Done, "Close Results",
                                  right - 600, 5010);
  results_list_->SetLines(lines_);
  connect(donebutton_, &QPushButton::clicked, this, &QWidget::close);
  connect(printbutton_, &QPushButton::clicked, this, &WeeklyResultsWindow::OnPrint);
  ArrangeClosingButtons(this);
}

void WeeklyResultsWindow::OnPrint() {
  PrintAsJob(session_, "Tavrin Results week " + std::to_string(session_.store.SelectedWeek),
             [this] { PrintResults(session_, lines_, ResultsFontOrder::SizeThenName); });
}

QWidget* OpenWeeklyResultsWindow(Session& session, int menu_index, QWidget* main_window) {
  auto lines = ShowWeeklyResults(session, menu_index + 1);
  if (!lines) return nullptr;
  auto* window = new WeeklyResultsWindow(session, std::move(*lines));
  qt::ShowSecondaryWindow(window, main_window);
  return window;
}

}  // namespace tavrin
