#include "graphs/scorecard_window.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "graphs/chart_area.h"
#include "platform/qt/dialog_buttons.h"
#include "platform/qt/dialog_window.h"
#include "presentation/enter_again_label.h"
#include "presentation/report_list_view.h"
#include "presentation/report_printing.h"
#include "presentation/view_buttons.h"
#include "reports/scorecard_report.h"

namespace tavrin {

namespace {

constexpr int ScorecardColumns = 74;
constexpr int ShownLines = 14;

}  // namespace

ScorecardWindow::ScorecardWindow(Session& session, std::vector<std::string> lines,
                                 PickChartData chart, QWidget* owner)
    : QDialog(owner), session_(session), lines_(std::move(lines)), chart_(std::move(chart)) {
  setObjectName("Scorecard");
  setWindowTitle("Tavrin Season Scorecard");
  setSizeGripEnabled(true);

  auto* list =
      new ReportListView(this, ScorecardColumns, ShownLines, ReportListView::Selection::Never);
  auto* chart_area = new ChartArea(this, "PickChart", ScorecardChartWidth, ScorecardChartHeight,
                                   [this](Canvas& canvas) { DrawScorecardChart(canvas, chart_); });
  QDialogButtonBox* buttons = qt::MakeDialogButtonBox(this);
  QPushButton* print_button =
      AddViewButton(buttons, "printbutton", qt::ButtonPicture::Print, "Print Scorecard");
  AddViewButton(buttons, "donebutton", qt::ButtonPicture::Done, "Close Scorecard");
  // The table takes the window's growth first; the chart keeps to its proportions' room.
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list, 3);
  layout->addWidget(chart_area, 2);
  if (QLabel* note = MakeEnterAgainLabel(this, session_)) layout->addWidget(note);
  layout->addWidget(buttons);

  list->SetLines(lines_);
  connect(print_button, &QPushButton::clicked, this, [this] {
    PrintAsJob(session_, "Tavrin Scorecard",
               [this] { PrintSeasonScorecard(session_, lines_, chart_); });
  });
}

QDialog* OpenScorecardWindow(Session& session, QWidget* main_window) {
  const auto scorecard = ShowSeasonScorecard(session);
  if (!scorecard) return nullptr;
  auto* window =
      new ScorecardWindow(session, ScorecardLines(session.store, *scorecard),
                          PickChartFrom(*scorecard, session.store.WeeksInSeason), main_window);
  qt::ShowDialog(window);
  return window;
}

}  // namespace tavrin
