// The main window's commands that open windows rather than panels: File, Help and About, and
// the secondary windows. Each secondary window keeps the main window disabled while it is
// open, so only one command works on the season at a time.

#include <QFileDialog>
#include <QPushButton>

#include "analysis/playoff_odds_window.h"
#include "analysis/season_projection_window.h"
#include "analysis/specials_window.h"
#include "app/main_window.h"
#include "app/programmers_window.h"
#include "app/season_file_commands.h"
#include "app/splash_window.h"
#include "entry/names_window.h"
#include "entry/new_season.h"
#include "entry/schedule_window.h"
#include "entry/scores_window.h"
#include "entry/settings_window.h"
#include "entry/stats_editor_window.h"
#include "graphs/graph_selection_window.h"
#include "graphs/scorecard_window.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_user_interface.h"
#include "platform/qt/secondary_window.h"
#include "platform/qt/window_keys.h"
#include "reports/statistics_window.h"
#include "reports/team_results_window.h"
#include "reports/weekly_results_window.h"

namespace tavrin {

void MainWindow::OpenSecondaryWindow(QWidget* window) {
  session_.ui.ShowBusyPointer();
  qt::ShowSecondaryWindow(window, this);
  secondary_window_ = window;
}

void MainWindow::OnShowProgrammingInformation() { OpenSecondaryWindow(new ProgrammersWindow); }

void MainWindow::OnPrinterSetup() {
  if (auto* printer = dynamic_cast<qt::QtPrinter*>(&session_.ui.ReportPrinter()))
    qt::ShowPrinterSetup(*printer, this);
}

void MainWindow::OnImportSeason() { ImportChosenSeasonFile(session_); }

void MainWindow::OnExportSeason() { ExportSeasonToChosenFile(session_); }

void MainWindow::OnPrintToPdf() {
  auto* printer = dynamic_cast<qt::QtPrinter*>(&session_.ui.ReportPrinter());
  QPushButton* print = qt::ButtonWithRole(this, "printbutton");
  if (printer == nullptr || print == nullptr) return;
  const std::string& job = print == schprintbutton_ ? schedule_job_ : report_job_;
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

void MainWindow::OnNewSeason() { RunNewSeasonSetup(session_); }

// The view windows run their command's checks, then stand in front of the disabled main window.
void MainWindow::OnShowStatistics(int index) {
  secondary_window_ = OpenStatisticsWindow(session_, index, this);
}
void MainWindow::OnShowWeeklyResults(int index) {
  secondary_window_ = OpenWeeklyResultsWindow(session_, index, this);
}
void MainWindow::OnShowTeamResults() { secondary_window_ = OpenTeamResultsWindow(session_, this); }
void MainWindow::OnShowSingleTeamRating() {
  secondary_window_ = OpenGraphSelectionWindow(session_, GraphOneTeam, this);
}
void MainWindow::OnCompareTeamRatings() {
  secondary_window_ = OpenGraphSelectionWindow(session_, GraphTwoTeams, this);
}
void MainWindow::OnShowSingleGamePredictions() {
  secondary_window_ = OpenSpecialsWindow(session_, this);
}
void MainWindow::OnShowSeasonProjection() {
  secondary_window_ = OpenSeasonProjectionWindow(session_, this);
}
void MainWindow::OnShowScorecard() { secondary_window_ = OpenScorecardWindow(session_, this); }
void MainWindow::OnShowPlayoffOdds() { secondary_window_ = OpenPlayoffOddsWindow(session_, this); }

// The data entry windows open themselves in front of the main window, disabling it until they
// close.
void MainWindow::OnEditSettings() { secondary_window_ = OpenSettingsWindow(session_, this); }
void MainWindow::OnEditNames() { secondary_window_ = OpenNamesWindow(session_, this); }
void MainWindow::OnEditStatistics() { secondary_window_ = OpenStatsEditorWindow(session_, this); }
void MainWindow::OnEnterSchedule() { secondary_window_ = OpenScheduleWindow(session_, this); }
// The week entry with index i scores week i + 1.
void MainWindow::OnScoresWeekChosen(int index) {
  ScoreEntryWindow* scores = OpenScoresWindow(session_, index + 1, this);
  if (scores != nullptr) scores->SetWeekSavedNotice([this](int week) { ShowWeekSaved(week); });
  secondary_window_ = scores;
}

}  // namespace tavrin
