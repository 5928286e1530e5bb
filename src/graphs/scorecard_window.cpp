#include "graphs/scorecard_window.h"

#include <QPainter>
#include <QPushButton>

#include "platform/qt/painter_canvas.h"
#include "platform/qt/secondary_window.h"
#include "platform/qt/twips.h"
#include "presentation/report_list_view.h"
#include "presentation/report_printing.h"
#include "presentation/view_buttons.h"
#include "reports/scorecard_report.h"

namespace tavrin {

namespace {

constexpr int ScorecardColumns = 74;
constexpr double ListHeight = 3900;

}  // namespace

PickChartArea::PickChartArea(QWidget* parent, const PickChartData& chart, double left, double top)
    : QWidget(parent), chart_(chart) {
  setObjectName("PickChart");
  setGeometry(qt::TwipsRect(left, top, ScorecardChartWidth, ScorecardChartHeight));
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
}

void PickChartArea::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  qt::PainterCanvas canvas;
  canvas.Attach(&painter, logicalDpiX());
  DrawScorecardChart(canvas, chart_);
  canvas.Detach();
}

ScorecardWindow::ScorecardWindow(Session& session, std::vector<std::string> lines,
                                 PickChartData chart)
    : session_(session), lines_(std::move(lines)), chart_(std::move(chart)) {
  setObjectName("Scorecard");
  setWindowTitle("Tavrin Season Scorecard");
  const ReportListLayout layout =
      ReportWindowListLayout(ScorecardChartWidth, ScorecardColumns, ListHeight);
  const double right = layout.left + layout.width;
  const double chart_top = layout.scroll_top + layout.scroll_height + 90;
  const double buttons_top = chart_top + ScorecardChartHeight + 90;
  setFixedSize(qt::TwipsSize(right + layout.left, buttons_top + 660));

  auto* list = new ReportListView(this, layout, ReportListView::Selection::Never);
  new PickChartArea(this, chart_, layout.left + (layout.width - ScorecardChartWidth) / 2,
                    chart_top);
  auto* printbutton = MakePictureButton(this, "printbutton", qt::ButtonPicture::Print,
                                        "Print Scorecard", right - 1320, buttons_top);
  auto* donebutton = MakePictureButton(this, "donebutton", qt::ButtonPicture::Done,
                                       "Close Scorecard", right - 600, buttons_top);
  list->SetLines(lines_);
  connect(donebutton, &QPushButton::clicked, this, &QWidget::close);
  connect(printbutton, &QPushButton::clicked, this, [this] {
    PrintAsJob(session_, "Tavrin Scorecard",
               [this] { PrintSeasonScorecard(session_, lines_, chart_); });
  });
  ArrangeClosingButtons(this);
}

QWidget* OpenScorecardWindow(Session& session, QWidget* main_window) {
  const auto scorecard = ShowSeasonScorecard(session);
  if (!scorecard) return nullptr;
  auto* window = new ScorecardWindow(session, ScorecardLines(session.store, *scorecard),
                                     PickChartFrom(*scorecard, session.store.WeeksInSeason));
  qt::ShowSecondaryWindow(window, main_window);
  return window;
}

}  // namespace tavrin
