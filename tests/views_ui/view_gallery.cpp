// A look at the view windows as a person sees them: opens every window over a season folder,
// saves a picture of each, and prints each report to a PDF file, for checking by eye.
// Usage: tavrin_view_gallery SEASON_FOLDER OUTPUT_FOLDER (run under a real or virtual display).

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <iostream>

#include "analysis/season_projection_window.h"
#include "analysis/specials_window.h"
#include "graphs/graph_selection_window.h"
#include "graphs/rating_graph_window.h"
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
  bool AskOkCancel(const std::string&, const std::string&, MessageIcon, DefaultButton) override { return true; }
  bool AskYesNo(const std::string&, const std::string&, MessageIcon, DefaultButton) override { return true; }
  int AskChoice(const std::string&, const std::string&, const std::vector<std::string>&,
                int default_button) override {
    return default_button;
  }
};

class Gallery {
 public:
  Gallery(Session& session, GalleryUi& ui, QString out) : session_(session), ui_(ui), out_(std::move(out)) {}

  void Picture(QWidget* window, const QString& name) {
    QTest::qWait(150);
    window->grab().save(out_ + "/" + name + ".png");
  }
  void Print(QWidget* window, const char* button) { window->findChild<QPushButton*>(button)->click(); }
  void Close(QWidget* window) {
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  Session& session_;
  GalleryUi& ui_;
  QString out_;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 3) {
    std::cerr << "usage: tavrin_view_gallery SEASON_FOLDER OUTPUT_FOLDER\n";
    return 2;
  }
  SeasonStore store;
  const std::filesystem::path folder = argv[1];
  if (!ReadSettings(store, folder) || !ReadNames(store, folder)) return 1;
  store.TeamCount = LeagueTeamCount;
  store.DayName = {"", "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
  GalleryUi ui(argv[2], qt::QtPrinter::Destination::PdfFile);
  Session session{store, ui, folder};
  QWidget main_window;
  Gallery gallery(session, ui, argv[2]);

  QWidget* window = OpenWeeklyResultsWindow(session, 4, &main_window);
  gallery.Picture(window, "weekly_results");
  gallery.Print(window, "printbutton");
  gallery.Close(window);

  window = OpenTeamResultsWindow(session, &main_window);
  gallery.Picture(window, "team_results_choice");
  window->findChild<QComboBox*>("Combo1")->setCurrentIndex(29);
  window->findChild<QPushButton*>("schbutton")->click();
  gallery.Picture(window, "team_results");
  gallery.Print(window, "Printbutton");
  gallery.Close(window);

  window = OpenStatisticsWindow(session, store.WeeksInSeason, &main_window);
  window->findChild<QRadioButton*>("Option1_2")->click();
  gallery.Picture(window, "statistics");
  gallery.Print(window, "printbutton");
  gallery.Close(window);

  window = OpenSpecialsWindow(session, &main_window);
  for (const auto& [first, second, neutral] : {std::tuple{1, 9, false}, {25, 30, false}, {9, 30, true}, {5, 12, false}}) {
    for (int team : {first, second}) QTest::mouseClick(window->findChild<QLabel*>(QString("Clabel_%1").arg(team)), Qt::LeftButton);
    if (neutral) window->findChild<QAbstractButton*>("neutralcheck")->setChecked(true);
    window->findChild<QPushButton*>("predictbutton")->click();
  }
  QTest::mouseClick(window->findChild<QLabel*>("Clabel_22"), Qt::LeftButton);
  QTest::mouseClick(window->findChild<QLabel*>("Clabel_3"), Qt::LeftButton);
  gallery.Picture(window, "specials");
  gallery.Print(window, "Printbutton");
  gallery.Close(window);

  window = OpenSeasonProjectionWindow(session, &main_window);
  gallery.Picture(window, "projection");
  gallery.Close(window);

  window = OpenGraphSelectionWindow(session, 2, &main_window);
  gallery.Picture(window, "graph_selection");
  window->findChild<QListWidget*>("List1")->setCurrentRow(8);
  window->findChild<QListWidget*>("List2")->setCurrentRow(29);
  window->findChild<QPushButton*>("okbutton")->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->objectName() == "GRform" && top->isVisible()) window = top;
  }
  gallery.Picture(window, "graph");
  gallery.Print(window, "printbutton");
  gallery.Close(window);
  return 0;
}
