#include "graphs/rating_graph_window.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "graphs/graph_selection_window.h"
#include "graphs/rating_series.h"
#include "platform/qt/latin1_text.h"
#include "platform/qt/painter_canvas.h"
#include "platform/qt/secondary_window.h"
#include "platform/qt/twips.h"
#include "presentation/report_printing.h"
#include "presentation/view_buttons.h"

namespace tavrin {
namespace {

constexpr double AreaLeft = 120;
constexpr double AreaTop = 30;

// A legend stroke `Line1`(index): a short thick line left of its caption.
QFrame* LegendStroke(QWidget* window, int index, double y, const QColor& colour) {
  auto* stroke = new QFrame(window);
  stroke->setObjectName(QString("Line1_%1").arg(index));
  stroke->setGeometry(qt::TwipsToPixelsX(360), qt::TwipsToPixelsY(y) - 1, qt::TwipsToPixelsX(240),
                      3);
  stroke->setAutoFillBackground(true);
  QPalette palette = stroke->palette();
  palette.setColor(QPalette::Window, colour);
  stroke->setPalette(palette);
  return stroke;
}

// A legend caption `Lab2`(index) on a sunken panel.
QLabel* LegendCaptionPanel(QWidget* window, int index, double top, const std::string& caption) {
  auto* panel = new QLabel(qt::FromLatin1(caption), window);
  panel->setObjectName(QString("Lab2_%1").arg(index));
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setGeometry(qt::TwipsRect(660, top, 2295, 315));
  return panel;
}

}  // namespace

RatingChartArea::RatingChartArea(QWidget* parent, const RatingChartData& chart)
    : QWidget(parent), chart_(chart) {
  setObjectName("Picture1");
  setGeometry(qt::TwipsRect(AreaLeft, AreaTop, ChartAreaWidth, ChartAreaHeight));
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
}

void RatingChartArea::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  qt::PainterCanvas canvas;
  canvas.Attach(&painter, logicalDpiX());
  DrawRatingChart(canvas, chart_);
  canvas.Detach();
}

RatingGraphWindow::RatingGraphWindow(Session& session, QWidget* main_window)
    : session_(session), main_window_(main_window) {
  setObjectName("GRform");
  setFixedSize(qt::TwipsSize(8835, 6060));
  LoadRatingSeries(session);
  chart_ = ChartDataFrom(session.store);
  // The title names the teams drawn, so the window says what it shows.
  teams_ = LegendCaption(session.store, chart_.team_one);
  if (chart_.mode == 2) teams_ += " and " + LegendCaption(session.store, chart_.team_two);
  setWindowTitle(qt::FromLatin1("Tavrin Rating Trends - " + teams_));
  new RatingChartArea(this, chart_);
  BuildLegend();

  auto* selteamsbutton = new QPushButton("Select Teams", this);
  selteamsbutton->setObjectName("selteamsbutton");
  selteamsbutton->setToolTip("Pick other teams");
  selteamsbutton->setGeometry(qt::TwipsRect(3060, 5220, 1500, 480));
  auto* infobutton = MakePictureButton(this, "infobutton", qt::ButtonPicture::Info,
                                       "Help on Team Ratings", 6000, 5160);
  auto* printbutton =
      MakePictureButton(this, "printbutton", qt::ButtonPicture::Print, "Print Graph", 6960, 5160);
  auto* donebutton = MakePictureButton(this, "donebutton", qt::ButtonPicture::Done,
                                       "Close graph window", 7920, 5160);
  connect(selteamsbutton, &QPushButton::clicked, this, [this] {
    // The selection opens before the graph closes, so the main window stays disabled.
    ShowGraphSelectionWindow(session_, main_window_);
    close();
  });
  connect(infobutton, &QPushButton::clicked, this, [this] { ShowRatingExplanation(session_.ui); });
  connect(printbutton, &QPushButton::clicked, this, [this] {
    PrintAsJob(session_, "Tavrin Chart " + teams_, [this] { PrintRatingChart(session_, chart_); });
  });
  connect(donebutton, &QPushButton::clicked, this, [this] {
    session_.ui.ShowBusyPointer();
    close();
  });
  ArrangeClosingButtons(this);
}

void RatingGraphWindow::BuildLegend() {
  const SeasonStore& store = session_.store;
  LegendStroke(this, 0, 5180, QColor(192, 0, 0));
  LegendCaptionPanel(this, 1, 5040, LegendCaption(store, chart_.team_one));
  QFrame* second_stroke = LegendStroke(this, 1, 5540, Qt::black);
  QLabel* second_caption = LegendCaptionPanel(this, 2, 5400, "Team two");
  const bool two_teams = chart_.mode == 2;
  second_stroke->setVisible(two_teams);
  second_caption->setVisible(two_teams);
  if (two_teams) second_caption->setText(qt::FromLatin1(LegendCaption(store, chart_.team_two)));
}

QWidget* OpenRatingGraphWindow(Session& session, QWidget* main_window) {
  auto* window = new RatingGraphWindow(session, main_window);
  qt::ShowSecondaryWindow(window, main_window);
  return window;
}

}  // namespace tavrin
