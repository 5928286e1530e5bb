// The main window's commands that open windows rather than panels: File, Help and About, and
// the secondary windows. Each secondary window is window-modal over the main window while it is
// open, so only one command works on the season at a time.

#include <QDialog>
#include <QFileDialog>
#include <QPushButton>

#include "analysis/conference_seeds_window.h"
#include "analysis/playoff_odds_window.h"
#include "analysis/season_projection_window.h"
#include "analysis/specials_window.h"
#include "app/main_window.h"
#include "app/new_season_command.h"
#include "app/programmers_window.h"
#include "app/season_file_commands.h"
#include "app/splash_window.h"
#include "entry/names_window.h"
#include "entry/schedule_window.h"
#include "entry/scores_window.h"
#include "entry/settings_window.h"
#include "entry/stats_editor_window.h"
#include "graphs/graph_selection_window.h"
#include "graphs/scorecard_window.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_user_interface.h"
#include "reports/statistics_window.h"
#include "reports/team_results_window.h"
#include "reports/weekly_results_window.h"

namespace tavrin {

void MainWindow::FollowDialog(QDialog* dialog) {
  if (dialog != nullptr) connect(dialog, &QDialog::finished, this, &MainWindow::ShowSeasonState);
}

void MainWindow::OnShowProgrammingInformation() {
  session_.ui.ShowBusyPointer();
  qt::ShowDialog(new ProgrammersWindow(this));
}

void MainWindow::OnPrinterSetup() {
  if (auto* printer = dynamic_cast<qt::QtPrinter*>(&session_.ui.ReportPrinter()))
    qt::ShowPrinterSetup(*printer, this);
}

void MainWindow::OnImportSeason() {
  ImportChosenSeasonFile(session_);
  ShowSeasonState();
}

void MainWindow::OnExportSeason() { ExportSeasonToChosenFile(session_); }

void MainWindow::OnPrintToPdf() {
  auto* printer = dynamic_cast<qt::QtPrinter*>(&session_.ui.ReportPrinter());
  QPushButton* print = ShownListingPrintButton();
  if (printer == nullptr || print == nullptr) return;
  const std::string& job = print == schedule_print_button_ ? schedule_job_ : report_job_;
  const QString file = QFileDialog::getSaveFileName(
      this, "Print to PDF", QString::fromStdString(printer->PdfPathFor(job).string()),
      "PDF files (*.pdf)");
  if (file.isEmpty()) return;
  printer->SendNextJobTo(file.toStdString());
  print->click();
}

void MainWindow::OnHelpContents() { session_.ui.ShowHelpTopic("Contents"); }

void MainWindow::OnSearchHelp() { session_.ui.ShowHelpSearch(); }

void MainWindow::OnAbout() {
  auto* splash = new SplashWindow(*this);
  setEnabled(false);
  splash->show();
  splash->activateWindow();
  splash->setFocus();
}

void MainWindow::OnNewSeason() {
  RunNewSeasonCommand(session_);
  ShowSeasonState();
}

// The view windows run their command's checks, then stand in front of the main window.
void MainWindow::OnShowStatistics(int index) {
  FollowDialog(OpenStatisticsWindow(session_, index, this));
}
void MainWindow::OnShowWeeklyResults(int index) {
  FollowDialog(OpenWeeklyResultsWindow(session_, index + 1, this));
}
void MainWindow::OnShowTeamResults() { FollowDialog(OpenTeamResultsWindow(session_, this)); }
void MainWindow::OnShowSingleTeamRating() {
  FollowDialog(OpenGraphSelectionWindow(session_, graph_teams_, GraphOneTeam, this));
}
void MainWindow::OnCompareTeamRatings() {
  FollowDialog(OpenGraphSelectionWindow(session_, graph_teams_, GraphTwoTeams, this));
}
void MainWindow::OnShowTeamOddsGraph() {
  FollowDialog(
      OpenGraphSelectionWindow(session_, graph_teams_, GraphOneTeam, this, GraphKind::PlayoffOdds));
}
void MainWindow::OnCompareTeamOddsGraphs() {
  FollowDialog(OpenGraphSelectionWindow(session_, graph_teams_, GraphTwoTeams, this,
                                        GraphKind::PlayoffOdds));
}
void MainWindow::OnShowSingleGamePredictions() { FollowDialog(OpenSpecialsWindow(session_, this)); }
void MainWindow::OnShowSeasonProjection() {
  FollowDialog(OpenSeasonProjectionWindow(session_, this));
}
void MainWindow::OnShowScorecard() { FollowDialog(OpenScorecardWindow(session_, this)); }
void MainWindow::OnShowPlayoffOdds() { FollowDialog(OpenPlayoffOddsWindow(session_, this)); }
void MainWindow::OnShowConferenceSeeds() {
  FollowDialog(OpenConferenceSeedsWindow(session_, this));
}

// The data entry windows may change the season, its year or its weeks.
void MainWindow::OnEditSettings() { FollowDialog(OpenSettingsWindow(session_, this)); }
void MainWindow::OnEditNames() { FollowDialog(OpenNamesWindow(session_, this)); }
void MainWindow::OnEditStatistics() { FollowDialog(OpenStatsEditorWindow(session_, this)); }
void MainWindow::OnEnterSchedule() { FollowDialog(OpenScheduleWindow(session_, this)); }
// The week entry with index i scores week i + 1.
void MainWindow::OnScoresWeekChosen(int index) {
  ScoreEntryWindow* scores = OpenScoresWindow(session_, index + 1, this);
  if (scores != nullptr) scores->SetWeekSavedNotice([this](int week) { ShowWeekSaved(week); });
  FollowDialog(scores);
}

}  // namespace tavrin
