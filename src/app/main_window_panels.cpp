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
#include "presentation/report_printing.h"
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

void MainWindow::OnScheduleWeekChosen(int index) {
  if (auto lines = ShowWeeklySchedule(session_, index + 1)) {
    schedule_job_ = "Tavrin Schedule week " + std::to_string(index + 1);
    OpenSchedulePanel(std::move(*lines));
  }
}

void MainWindow::OnShowSeasonSchedule() {
  schedule_job_ = "Tavrin Schedule";
  OpenSchedulePanel(ShowSeasonSchedule(session_));
}

void MainWindow::OnShowTeamSchedule() {
  schedule_lines_.clear();  // until a team is accepted there is nothing to print
  schedule_list_->clear();
  schedule_list_->hide();
  report_list_->hide();
  ShowControls({team_accept_button_, team_choice_}, true);
  team_choice_->clear();
  for (const std::string& name : TeamChoices(session_.store))
    team_choice_->addItem(qt::FromLatin1(name));
  team_choice_->setEditText(SelectTeamPrompt);
  team_choice_->setFocus();
}

void MainWindow::AcceptScheduleTeam() {
  const std::string choice = qt::ToLatin1(team_choice_->currentText());
  auto lines = ShowTeamSchedule(session_, choice);
  HideTeamChoice();
  schedule_job_ = "Tavrin Schedule " + choice;
  if (lines) OpenSchedulePanel(std::move(*lines));
}

void MainWindow::HideTeamChoice() { ShowControls({team_accept_button_, team_choice_}, false); }

void MainWindow::OpenSchedulePanel(std::vector<std::string> lines) {
  HideTeamChoice();
  schedule_lines_ = std::move(lines);
  qt::ShowReportLines(schedule_list_, schedule_lines_);
  ShowControls({schedule_list_, schedule_print_button_, schedule_close_button_}, true);
  schedule_frame_->show();
  schedule_title_->show();
  SetMenuStates(MenusWhileShowing(ListingPanel::Schedule));
  schedule_list_->setFocus();
}

void MainWindow::OnCloseSchedule() {
  schedule_lines_.clear();
  schedule_list_->clear();
  ShowControls({schedule_list_, schedule_print_button_, schedule_close_button_}, false);
  schedule_frame_->hide();
  schedule_title_->hide();
  SetMenuStates(MenusWhileShowing(ListingPanel::None));
}

void MainWindow::OnPrintSchedule() {
  if (schedule_lines_.empty()) {
    session_.ui.ShowMessage("Choose a team and accept it before printing its schedule.",
                            ProgramCaption, MessageIcon::Exclamation);
    return;
  }
  PrintAsJob(session_, schedule_job_, [this] { PrintSchedule(session_, schedule_lines_); });
}

void MainWindow::OnShowPredictions(int index) {
  if (auto lines = ShowWeeklyPredictions(session_, index + 1)) {
    report_job_ = "Tavrin Predictions week " + std::to_string(index + 1);
    OpenReportPanel(ListingPanel::Predictions, std::move(*lines));
  }
}

void MainWindow::OnShowStandings(int index) {
  if (auto lines = ShowStandings(session_, index + 1)) {
    report_job_ = "Tavrin Standings week " + std::to_string(index + 1);
    OpenReportPanel(ListingPanel::Standings, std::move(*lines));
  }
}

void MainWindow::OpenReportPanel(ListingPanel panel, std::vector<std::string> lines) {
  HideTeamChoice();
  report_panel_ = panel;
  report_lines_ = std::move(lines);
  qt::ShowReportLines(report_list_, report_lines_);
  report_frame_->show();
  ShowControls({report_list_}, true);
  ShowControls({predictions_close_button_, predictions_print_button_},
               panel == ListingPanel::Predictions);
  ShowControls({standings_close_button_, standings_print_button_},
               panel == ListingPanel::Standings);
  SetMenuStates(MenusWhileShowing(panel));
  report_list_->setFocus();
}

QListWidget* MainWindow::ShownListing() const {
  if (report_list_->isVisible()) return report_list_;
  return schedule_list_->isVisible() ? schedule_list_ : nullptr;
}

namespace {

QPushButton* FirstShown(std::initializer_list<QPushButton*> buttons) {
  for (QPushButton* button : buttons) {
    if (button->isVisible() && button->isEnabled()) return button;
  }
  return nullptr;
}

}  // namespace

QPushButton* MainWindow::ShownListingPrintButton() const {
  return FirstShown({predictions_print_button_, standings_print_button_, schedule_print_button_});
}

QPushButton* MainWindow::ShownListingCloseButton() const {
  return FirstShown({predictions_close_button_, standings_close_button_, schedule_close_button_});
}

void MainWindow::CloseReportPanel() {
  report_panel_ = ListingPanel::None;
  report_lines_.clear();
  report_list_->clear();
  report_frame_->hide();
  ShowControls({report_list_, predictions_close_button_, predictions_print_button_,
                standings_close_button_, standings_print_button_},
               false);
  SetMenuStates(MenusWhileShowing(ListingPanel::None));
}

void MainWindow::OnClosePredictions() { CloseReportPanel(); }
void MainWindow::OnCloseStandings() { CloseReportPanel(); }

void MainWindow::OnPrintPredictions() {
  PrintAsJob(session_, report_job_, [this] { PrintWeeklyPredictions(session_, report_lines_); });
}

void MainWindow::OnPrintStandings() {
  PrintAsJob(session_, report_job_, [this] { PrintStandings(session_, report_lines_); });
}

}  // namespace tavrin
