#include "graphs/odds_chart_window.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>

#include "graphs/chart_area.h"
#include "platform/qt/dialog_buttons.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/latin1_text.h"
#include "presentation/enter_again_label.h"
#include "presentation/report_printing.h"
#include "presentation/view_buttons.h"

namespace tavrin {
namespace {

constexpr int ProgressShownAfterMs = 250;
const char* const LegendColours[] = {"#c00000", "black"};

}  // namespace

OddsChartWindow::OddsChartWindow(Session& session, OddsChartData chart, QWidget* owner)
    : QDialog(owner), session_(session), chart_(std::move(chart)) {
  setObjectName("OddsGraph");
  setSizeGripEnabled(true);
  auto* legend = new QHBoxLayout;
  for (std::size_t index = 0; index < chart_.teams.size(); ++index) {
    const std::string caption = LegendCaption(session.store, chart_.teams[index].team);
    teams_ += (index == 0 ? "" : " and ") + caption;
    auto* label = new QLabel(QString::fromUtf8("\u2014 ") + qt::FromLatin1(caption), this);
    label->setObjectName(QString("legend_%1").arg(index));
    label->setStyleSheet(QString("color: %1; font-weight: bold").arg(LegendColours[index]));
    legend->addWidget(label);
  }
  legend->addStretch();
  setWindowTitle(qt::FromLatin1("Tavrin Play-off Odds - " + teams_));
  auto* chart_area = new ChartArea(this, "Picture1", ChartAreaWidth, ChartAreaHeight,
                                   [this](Canvas& canvas) { DrawOddsChart(canvas, chart_); });

  QDialogButtonBox* buttons = qt::MakeDialogButtonBox(this);
  QPushButton* print_button =
      AddViewButton(buttons, "printbutton", qt::ButtonPicture::Print, "Print Graph");
  AddViewButton(buttons, "donebutton", qt::ButtonPicture::Done, "Close graph window");
  legend->addWidget(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(chart_area, 1);
  if (QLabel* note = MakeEnterAgainLabel(this, session_)) layout->addWidget(note);
  layout->addLayout(legend);
  connect(print_button, &QPushButton::clicked, this, [this] {
    PrintAsJob(session_, "Tavrin Odds Chart " + teams_,
               [this] { PrintOddsChart(session_, chart_); });
  });
}

QDialog* OpenOddsChartWindow(Session& session, const GraphTeams& graph_teams,
                             QWidget* main_window) {
  const SeasonStore& store = session.store;
  std::vector<int> teams{graph_teams.one};
  if (graph_teams.mode == GraphTwoTeams && graph_teams.two != graph_teams.one)
    teams.push_back(graph_teams.two);
  QProgressDialog progress("Playing the rest of each week's season...", QString(), 0,
                           std::max<int>(store.LastScoredWeek, 1), main_window);
  progress.setWindowTitle("Play-off Odds");
  progress.setWindowModality(Qt::ApplicationModal);
  progress.setMinimumDuration(ProgressShownAfterMs);
  OddsOptions options;
  options.runs = OddsHistoryRuns;
  const auto histories = ShowOddsHistory(session, teams, options,
                                         [&progress](int done, int) { progress.setValue(done); });
  progress.reset();
  if (!histories) return nullptr;
  auto* window =
      new OddsChartWindow(session, {*histories, session.store.WeeksInSeason}, main_window);
  qt::ShowDialog(window);
  return window;
}

}  // namespace tavrin
