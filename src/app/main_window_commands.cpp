// The main window's commands that open windows rather than panels: File, Help and About, and
// the secondary windows. Each secondary window keeps the main window disabled while it is
// open, so only one exists at a time.

#include <QApplication>
#include <QScreen>

#include "app/main_window.h"
#include "app/programmers_window.h"
#include "app/splash_window.h"
#include "entry/names_window.h"
#include "entry/new_season.h"
#include "entry/schedule_window.h"
#include "entry/scores_window.h"
#include "entry/settings_window.h"
#include "entry/stats_editor_window.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_user_interface.h"

namespace tavrin {

void MainWindow::OpenSecondaryWindow(QWidget* window) {
  session_.ui.ShowBusyPointer();
  // A window of its own rather than a child, which disabling the main window would disable too.
  window->setParent(nullptr, window->windowFlags() | Qt::Window);
  window->setAttribute(Qt::WA_DeleteOnClose);
  connect(window, &QObject::destroyed, this, [this] { setEnabled(true); });
  window->adjustSize();
  if (const QScreen* screen = this->screen()) {
    const QRect area = screen->availableGeometry();
    window->move(area.left() + (area.width() - window->width()) / 2,
                 area.top() + (area.height() - window->height()) / 2);
  }
  secondary_window_ = window;
  setEnabled(false);
  window->show();
}

void MainWindow::programmermenu_Click() { OpenSecondaryWindow(new ProgrammersWindow); }

void MainWindow::printsetupmenu_Click() {
  if (auto* printer = dynamic_cast<qt::QtPrinter*>(&session_.ui.ReportPrinter())) qt::ShowPrinterSetup(*printer, this);
}

void MainWindow::Instructionsmenu_Click() { session_.ui.ShowHelpTopic("Contents"); }

void MainWindow::helpsearchmenu_Click() { session_.ui.ShowHelpSearch(); }

void MainWindow::AboutMenu_Click() {
  auto* splash = new SplashWindow(*this);
  setEnabled(false);
  splash->show();
  splash->activateWindow();
  splash->setFocus();
}

void MainWindow::singlegraphmenu_Click() {
  session_.store.GraphMode = 1;
  // The graph team selection window opens here.
}

void MainWindow::Graphtwoteammenu_Click() {
  session_.store.GraphMode = 2;
  // The graph team selection window opens here.
}

// The data entry windows open themselves in front of the main window, disabling it until they
// close.
void MainWindow::Settingsmenu_Click() { secondary_window_ = OpenSettingsWindow(session_, this); }
void MainWindow::Namesmenu_Click() { secondary_window_ = OpenNamesWindow(session_, this); }
void MainWindow::Editstatsmenu_Click() { secondary_window_ = OpenStatsEditorWindow(session_, this); }
void MainWindow::Enterschedulemenu_Click() { secondary_window_ = OpenScheduleWindow(session_, this); }
void MainWindow::NewSeasonmenu_Click() { RunNewSeasonSetup(session_); }
// The week entry with index i scores week i + 1.
void MainWindow::SWeek_Click(int index) { secondary_window_ = OpenScoresWindow(session_, index + 1, this); }

// The windows of these commands come with their own subsystems; each opens here through
// OpenSecondaryWindow once it exists.
void MainWindow::ViewWKStats_Click(int /*index*/) {}      // statistics view
void MainWindow::WeekResultMenu_Click(int /*index*/) {}   // weekly results
void MainWindow::teamresultsmenu_Click() {}          // team results
void MainWindow::Specialsmenu_Click() {}             // play-off and single game predictions
void MainWindow::Pseasonmenu_Click() {}              // season projection

}  // namespace tavrin
