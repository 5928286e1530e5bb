// The main window's two listing panels: the schedule panel (List1, with the team chooser) and
// the report panel (List2, predictions or standings). The report texts and print commands
// are the reports' own; the panels show the lines and lock the menus while they are open.

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "analysis/standings.h"
#include "app/main_window.h"
#include "platform/messages.h"
#include "platform/qt/latin1_text.h"
#include "platform/qt/window_keys.h"
#include "reports/report_printing.h"
#include "reports/schedule_views.h"
#include "reports/weekly_predictions.h"

namespace tavrin {
namespace {

void ShowControls(std::initializer_list<QWidget*> controls, bool shown) {
  for (QWidget* control : controls) {
    control->setVisible(shown);
    control->setEnabled(shown);
  }
}

}  // namespace

void MainWindow::Weeksmenu_Click(int index) {
  if (auto lines = ShowWeeklySchedule(session_, index)) {
    schedule_job_ = "Tavrin Schedule week " + std::to_string(index + 1);
    OpenSchedulePanel(std::move(*lines));
  }
}

void MainWindow::Entireseasonmenu_Click() {
  schedule_job_ = "Tavrin Schedule";
  OpenSchedulePanel(ShowSeasonSchedule(session_));
}

void MainWindow::Teamschedulemenu_Click() {
  schedule_lines_.clear();  // until a team is accepted there is nothing to print
  List1_->clear();
  List1_->hide();
  List2_->hide();
  ShowControls({schbutton_, Combo1_}, true);
  Combo1_->clear();
  for (const std::string& name : TeamChoices(session_.store)) Combo1_->addItem(qt::FromLatin1(name));
  Combo1_->setEditText(SelectTeamPrompt);
  Combo1_->setFocus();
}

void MainWindow::schbutton_Click() {
  const std::string choice = qt::ToLatin1(Combo1_->currentText());
  auto lines = ShowTeamSchedule(session_, choice);
  HideTeamChoice();
  schedule_job_ = "Tavrin Schedule " + choice;
  if (lines) OpenSchedulePanel(std::move(*lines));
}

void MainWindow::HideTeamChoice() { ShowControls({schbutton_, Combo1_}, false); }

void MainWindow::OpenSchedulePanel(std::vector<std::string> lines) {
  HideTeamChoice();
  schedule_lines_ = std::move(lines);
  qt::ShowReportLines(List1_, schedule_lines_);
  ShowControls({List1_, schprintbutton_, schdonebutton_}, true);
  scheduleframe_->show();
  Schedulelabel_->show();
  SetMenuStates(MenusWhileShowing(ListingPanel::Schedule));
  List1_->setFocus();
}

void MainWindow::schdonebutton_Click() {
  schedule_lines_.clear();
  List1_->clear();
  ShowControls({List1_, schprintbutton_, schdonebutton_}, false);
  scheduleframe_->hide();
  Schedulelabel_->hide();
  SetMenuStates(MenusWhileShowing(ListingPanel::None));
}

void MainWindow::schprintbutton_Click() {
  if (schedule_lines_.empty()) {
    session_.ui.ShowMessage("Choose a team and accept it before printing its schedule.", ProgramCaption,
                            MessageIcon::Exclamation);
    return;
  }
  PrintAsJob(session_, schedule_job_, [this] { PrintSchedule(session_, schedule_lines_); });
}

void MainWindow::PredWeekmenu_Click(int index) {
  if (auto lines = ShowWeeklyPredictions(session_, index)) {
    report_job_ = "Tavrin Predictions week " + std::to_string(index + 1);
    OpenReportPanel(ListingPanel::Predictions, std::move(*lines));
  }
}

void MainWindow::StandingsWKmenu_Click(int index) {
  if (auto lines = ShowStandings(session_, index)) {
    report_job_ = "Tavrin Standings week " + std::to_string(index + 1);
    OpenReportPanel(ListingPanel::Standings, std::move(*lines));
  }
}

void MainWindow::OpenReportPanel(ListingPanel panel, std::vector<std::string> lines) {
  HideTeamChoice();
  report_panel_ = panel;
  report_lines_ = std::move(lines);
  qt::ShowReportLines(List2_, report_lines_);
  reportframe_->show();
  ShowControls({List2_}, true);
  ShowControls({preddonebutton_, Predprintbutton_}, panel == ListingPanel::Predictions);
  ShowControls({standingsdonebutton_, standingsprintbutton_}, panel == ListingPanel::Standings);
  SetMenuStates(MenusWhileShowing(panel));
  List2_->setFocus();
}

QListWidget* MainWindow::ShownListing() const {
  if (List2_->isVisible()) return List2_;
  return List1_->isVisible() ? List1_ : nullptr;
}

void MainWindow::CloseReportPanel() {
  report_panel_ = ListingPanel::None;
  report_lines_.clear();
  List2_->clear();
  reportframe_->hide();
  ShowControls({List2_, preddonebutton_, Predprintbutton_, standingsdonebutton_, standingsprintbutton_}, false);
  SetMenuStates(MenusWhileShowing(ListingPanel::None));
}

void MainWindow::preddonebutton_Click() { CloseReportPanel(); }
void MainWindow::standingsdonebutton_Click() { CloseReportPanel(); }

void MainWindow::Predprintbutton_Click() {
  PrintAsJob(session_, report_job_, [this] { PrintWeeklyPredictions(session_, report_lines_); });
}

void MainWindow::standingsprintbutton_Click() {
  PrintAsJob(session_, report_job_, [this] { PrintStandings(session_, report_lines_); });
}

}  // namespace tavrin
