// A look at the windows as a person sees them: opens every window over a season folder, saves
// a picture of each (the main window also enlarged), and prints each report to a PDF file, for
// checking by eye.
// Usage: tavrin_view_gallery SEASON_FOLDER OUTPUT_FOLDER (run under a real or virtual display).

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QtTest>
#include <iostream>

#include "analysis/playoff_odds_window.h"
#include "analysis/season_projection_window.h"
#include "analysis/specials_window.h"
#include "app/main_window.h"
#include "app/programmers_window.h"
#include "entry/names_window.h"
#include "entry/schedule_window.h"
#include "entry/scores_window.h"
#include "entry/settings_window.h"
#include "entry/stats_editor_window.h"
#include "graphs/graph_selection_window.h"
#include "graphs/rating_graph_window.h"
#include "graphs/scorecard_window.h"
#include "platform/qt/qt_user_interface.h"
#include "reports/statistics_window.h"
#include "reports/team_results_window.h"
#include "reports/weekly_results_window.h"
#include "season/data_files.h"

using namespace tavrin;

namespace {

// Answers every question with OK or Yes and writes messages out instead of waiting on them.
class GalleryUi : public qt::QtUserInterface {
 public:
  using QtUserInterface::QtUserInterface;
  void ShowMessage(const std::string& text, const std::string& caption, MessageIcon) override {
    std::cerr << caption << ": " << text << '\n';
  }
  bool AskOkCancel(const std::string&, const std::string&, MessageIcon, DefaultButton) override {
    return true;
  }
  bool AskYesNo(const std::string&, const std::string&, MessageIcon, DefaultButton) override {
    return true;
  }
  int AskChoice(const std::string&, const std::string&, const std::vector<std::string>&,
                int default_button) override {
    return default_button;
  }
};

class Gallery {
 public:
  Gallery(Session& session, GalleryUi& ui, QString out)
      : session_(session), ui_(ui), out_(std::move(out)) {}

  void Picture(QWidget* window, const QString& name) {
    QTest::qWait(150);
    window->grab().save(out_ + "/" + name + ".png");
  }
  void Print(QWidget* window, const char* button) {
    window->findChild<QPushButton*>(button)->click();
  }
  void Close(QWidget* window) {
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  // A view window as it opens, then its print, then closed.
  void PictureAndPrint(QWidget* window, const QString& name, const char* print_button) {
    Picture(window, name);
    Print(window, print_button);
    Close(window);
  }

  Session& session_;
  GalleryUi& ui_;
  QString out_;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QStandardPaths::setTestModeEnabled(true);  // the user's remembered window and printer stay theirs
  if (argc != 3) {
    std::cerr << "usage: tavrin_view_gallery SEASON_FOLDER OUTPUT_FOLDER\n";
    return 2;
  }
  SeasonStore store;
  const std::filesystem::path folder = argv[1];
  if (!ReadSettings(store, folder) || !ReadNames(store, folder)) return 1;
  store.TeamCount = LeagueTeamCount;
  store.DayName = {"",          "Sunday",   "Monday", "Tuesday",
                   "Wednesday", "Thursday", "Friday", "Saturday"};
  GalleryUi ui(argv[2], qt::QtPrinter::Destination::PdfFile);
  Session session{store, ui, folder};
  QWidget main_window;
  Gallery gallery(session, ui, argv[2]);

  QWidget* window = OpenWeeklyResultsWindow(session, 4, &main_window);
  gallery.PictureAndPrint(window, "weekly_results", "printbutton");

  window = OpenTeamResultsWindow(session, &main_window);
  gallery.Picture(window, "team_results_choice");
  window->findChild<QComboBox*>("Combo1")->setCurrentIndex(29);
  window->findChild<QPushButton*>("schbutton")->click();
  gallery.PictureAndPrint(window, "team_results", "Printbutton");

  window = OpenStatisticsWindow(session, store.LastScoredWeek, &main_window);
  window->findChild<QRadioButton*>("Option1_2")->click();
  gallery.PictureAndPrint(window, "statistics", "printbutton");

  window = OpenSpecialsWindow(session, &main_window);
  for (const auto& [first, second, neutral] :
       {std::tuple{1, 9, false}, {25, 30, false}, {9, 30, true}, {5, 12, false}}) {
    for (int team : {first, second})
      QTest::mouseClick(window->findChild<QLabel*>(QString("Clabel_%1").arg(team)), Qt::LeftButton);
    if (neutral) window->findChild<QAbstractButton*>("neutralcheck")->setChecked(true);
    window->findChild<QPushButton*>("predictbutton")->click();
  }
  QTest::mouseClick(window->findChild<QLabel*>("Clabel_22"), Qt::LeftButton);
  QTest::mouseClick(window->findChild<QLabel*>("Clabel_3"), Qt::LeftButton);
  gallery.PictureAndPrint(window, "specials", "Printbutton");

  window = OpenSeasonProjectionWindow(session, &main_window);
  gallery.PictureAndPrint(window, "projection", "printbutton");

  window = OpenPlayoffOddsWindow(session, &main_window);
  gallery.PictureAndPrint(window, "playoff_odds", "printbutton");

  window = OpenGraphSelectionWindow(session, GraphTwoTeams, &main_window);
  gallery.Picture(window, "graph_selection");
  window->findChild<QListWidget*>("List1")->setCurrentRow(8);
  window->findChild<QListWidget*>("List2")->setCurrentRow(29);
  window->findChild<QPushButton*>("okbutton")->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->objectName() == "GRform" && top->isVisible()) window = top;
  }
  gallery.PictureAndPrint(window, "graph", "printbutton");

  window = OpenScorecardWindow(session, &main_window);
  gallery.PictureAndPrint(window, "scorecard", "printbutton");

  // The data entry windows, as they open.
  const std::pair<const char*, QWidget* (*)(Session&, QWidget*)> editors[] = {
      {"scores",
       [](Session& s, QWidget* m) -> QWidget* {
         return OpenScoresWindow(s, s.store.LastScoredWeek + 1, m);
       }},
      {"schedule", [](Session& s, QWidget* m) -> QWidget* { return OpenScheduleWindow(s, m); }},
      {"settings", [](Session& s, QWidget* m) -> QWidget* { return OpenSettingsWindow(s, m); }},
      {"stats_editor",
       [](Session& s, QWidget* m) -> QWidget* { return OpenStatsEditorWindow(s, m); }},
      {"names", [](Session& s, QWidget* m) -> QWidget* { return OpenNamesWindow(s, m); }},
  };
  for (const auto& [name, open] : editors) {
    if ((window = open(session, &main_window)) == nullptr) continue;
    gallery.Picture(window, name);
    gallery.Close(window);
  }
  window = new ProgrammersWindow;
  window->show();
  gallery.Picture(window, "programmers");
  gallery.Close(window);

  // The main window at its design size, then enlarged, with each listing printed.
  MainWindow main(store, ui, folder);
  main.show();
  gallery.Picture(&main, "main_idle");
  const std::tuple<const char*, const char*, const char*> listings[] = {
      {"PredWeekmenu_8", "main_predictions", "Predprintbutton"},
      {"StandingsWKmenu_7", "main_standings", "standingsprintbutton"},
      {"Entireseasonmenu", "main_season_schedule", "schprintbutton"},
  };
  for (const auto& [entry, name, print] : listings) {
    main.findChild<QAction*>(entry)->trigger();
    main.resize(main.DesignSize());
    gallery.Picture(&main, name);
    main.resize(main.DesignSize() + QSize(360, 240));
    gallery.Picture(&main, QString(name) + "_enlarged");
    gallery.Print(&main, print);
    main.findChild<QPushButton*>(QString(print).replace("print", "done").replace("Pred", "pred"))
        ->click();
  }
  ui.ShowHelpTopic("Keyboard");
  gallery.Picture(ui.help_viewer(), "help");
  return 0;
}
