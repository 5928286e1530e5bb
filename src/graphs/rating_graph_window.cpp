#include "graphs/rating_graph_window.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "graphs/chart_area.h"
#include "graphs/graph_selection_window.h"
#include "graphs/rating_series.h"
#include "platform/qt/dialog_buttons.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/latin1_text.h"
#include "platform/qt/twips.h"
#include "presentation/enter_again_label.h"
#include "presentation/report_printing.h"
#include "presentation/view_buttons.h"

namespace tavrin {
namespace {

constexpr double LegendCaptionWidth = 2295;

// A legend stroke `Line1`(index): a short thick line left of its caption.
QFrame* LegendStroke(QWidget* window, int index, const QColor& colour) {
  auto* stroke = new QFrame(window);
  stroke->setObjectName(QString("Line1_%1").arg(index));
  stroke->setFixedSize(qt::TwipsToPixelsX(240), 3);
  stroke->setAutoFillBackground(true);
  QPalette palette = stroke->palette();
  palette.setColor(QPalette::Window, colour);
  stroke->setPalette(palette);
  return stroke;
}

// A legend caption `Lab2`(index) on a sunken panel.
QLabel* LegendCaptionPanel(QWidget* window, int index, const std::string& caption) {
  auto* panel = new QLabel(qt::FromLatin1(caption), window);
  panel->setObjectName(QString("Lab2_%1").arg(index));
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setMinimumWidth(qt::TwipsToPixelsX(LegendCaptionWidth));
  return panel;
}

}  // namespace

RatingGraphWindow::RatingGraphWindow(Session& session, GraphTeams& teams, QWidget* owner)
    : QDialog(owner), session_(session), teams_(teams) {
  setObjectName("GRform");
  setSizeGripEnabled(true);
  chart_ = LoadRatingChart(session, teams);
  LeaveOutBlocksToEnterAgain(chart_, session.store.LastScoredWeek);
  // The title names the teams drawn, so the window says what it shows.
  drawn_ = LegendCaption(session.store, teams.one);
  if (teams.mode == GraphTwoTeams) drawn_ += " and " + LegendCaption(session.store, teams.two);
  setWindowTitle(qt::FromLatin1("Tavrin Rating Trends - " + drawn_));
  auto* chart_area = new ChartArea(this, "Picture1", ChartAreaWidth, ChartAreaHeight,
                                   [this](Canvas& canvas) { DrawRatingChart(canvas, chart_); });

  auto* select_teams_button = new QPushButton("Select Teams", this);
  select_teams_button->setObjectName("selteamsbutton");
  select_teams_button->setToolTip("Pick other teams");
  QDialogButtonBox* buttons = qt::MakeDialogButtonBox(this);
  QPushButton* help_button =
      AddViewButton(buttons, "infobutton", qt::ButtonPicture::Info, "Help on Team Ratings");
  QPushButton* print_button =
      AddViewButton(buttons, "printbutton", qt::ButtonPicture::Print, "Print Graph");
  QPushButton* close_button =
      AddViewButton(buttons, "donebutton", qt::ButtonPicture::Done, "Close graph window");

  auto* lower = new QHBoxLayout;
  lower->addLayout(BuildLegend());
  lower->addStretch();
  lower->addWidget(select_teams_button);
  lower->addStretch();
  lower->addWidget(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(chart_area, 1);
  if (QLabel* note = MakeEnterAgainLabel(this, session_)) layout->addWidget(note);
  layout->addLayout(lower);

  connect(select_teams_button, &QPushButton::clicked, this, [this] {
    // The selection opens before the graph closes, so the main window stays blocked.
    ShowGraphSelectionWindow(session_, teams_, parentWidget());
    close();
  });
  connect(help_button, &QPushButton::clicked, this, [this] { ShowRatingExplanation(session_.ui); });
  connect(print_button, &QPushButton::clicked, this, [this] {
    PrintAsJob(session_, "Tavrin Chart " + drawn_, [this] { PrintRatingChart(session_, chart_); });
  });
  connect(close_button, &QPushButton::clicked, this, [this] { session_.ui.ShowBusyPointer(); });
}

QGridLayout* RatingGraphWindow::BuildLegend() {
  const SeasonStore& store = session_.store;
  auto* legend = new QGridLayout;
  legend->addWidget(LegendStroke(this, 0, QColor(192, 0, 0)), 0, 0);
  legend->addWidget(LegendCaptionPanel(this, 1, LegendCaption(store, chart_.teams.one)), 0, 1);
  QFrame* second_stroke = LegendStroke(this, 1, Qt::black);
  QLabel* second_caption = LegendCaptionPanel(this, 2, "Team two");
  legend->addWidget(second_stroke, 1, 0);
  legend->addWidget(second_caption, 1, 1);
  const bool two_teams = chart_.teams.mode == GraphTwoTeams;
  for (QWidget* second :
       {static_cast<QWidget*>(second_stroke), static_cast<QWidget*>(second_caption)}) {
    QSizePolicy keeps_room = second->sizePolicy();
    keeps_room.setRetainSizeWhenHidden(true);
    second->setSizePolicy(keeps_room);
    second->setVisible(two_teams);
  }
  if (two_teams) second_caption->setText(qt::FromLatin1(LegendCaption(store, chart_.teams.two)));
  return legend;
}

QDialog* OpenRatingGraphWindow(Session& session, GraphTeams& teams, QWidget* main_window) {
  auto* window = new RatingGraphWindow(session, teams, main_window);
  qt::ShowDialog(window);
  return window;
}

}  // namespace tavrin
