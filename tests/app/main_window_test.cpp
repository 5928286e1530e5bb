// The main window as the user meets it, over the final 1999 season: the panels and the menus
// they lock, the toolbar, the keys, the size rule, the windows each command opens, and the
// splash's dismissal.

#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QToolButton>
#include <QtTest>
#include <array>
#include <fstream>
#include <memory>

#include "app/splash_window.h"
#include "support/scripted_ui.h"
#include "support/temp_folder.h"

using namespace tavrin;
using testing::ScriptedUi;
using testing::TempFolder;

namespace {

std::vector<std::string> GoldenReport(const std::string& name) {
  std::ifstream in(testing::SharedDataDir() / "golden/1999/reports" / name, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<TempFolder> folder_;
  std::unique_ptr<SeasonStore> store_;
  std::unique_ptr<ScriptedUi> ui_;
  std::unique_ptr<MainWindow> window_;

  // A missing control fails the test; a blank stand-in lets the test end without a crash.
  template <typename T>
  T* Find(const char* name) {
    if (T* found = window_->findChild<T*>(name)) return found;
    QTest::qFail(qPrintable(QStringLiteral("no control %1").arg(name)), __FILE__, __LINE__);
    return new T(window_.get());
  }
  void Trigger(const char* action) { Find<QAction>(action)->trigger(); }
  // A visible window of the program other than the main window, by its design name.
  static QWidget* OpenWindow(const char* name) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top->objectName() == name && top->isVisible()) return top;
    }
    return nullptr;
  }
  // The Edit menu stays open for Copy; a listing locks its editors.
  bool Locked(const char* menu) {
    if (QString(menu) == "Editmenu") return !Find<QAction>("Namesmenu")->isEnabled();
    return !Find<QMenu>(menu)->menuAction()->isEnabled();
  }

 private slots:
  void init() {
    if (testing::SharedDataDir().empty())
      QSKIP("the shared seasons and golden outputs are not present");
    folder_ = std::make_unique<TempFolder>();
    folder_->CopyFilesFrom(testing::SharedDataDir() / "golden/1999/final");
    store_ = std::make_unique<SeasonStore>();
    ui_ = std::make_unique<ScriptedUi>();
    QStandardPaths::setTestModeEnabled(true);
    QSettings().clear();
    window_ = std::make_unique<MainWindow>(*store_, *ui_, folder_->path());
    window_->show();
  }

  void cleanup() {
    for (QWidget* top : QApplication::topLevelWidgets()) top->close();
    window_.reset();
    ui_.reset();
    store_.reset();
    folder_.reset();
  }

  void PredictionsPanelShowsTheWeekAndLocksEveryMenu() {
    Trigger("PredWeekmenu_4");
    QCOMPARE(window_->ReportLines(), GoldenReport("predictions_week_05.txt"));
    auto* list = Find<QListWidget>("List2");
    QVERIFY(list->isVisible());
    for (const char* menu : {"SchedMenu", "Gamesmenu", "standingsmenu", "Editmenu"})
      QVERIFY2(Locked(menu), menu);
    QVERIFY(!Locked("Filemenu") && !Locked("HelpMenu"));

    // The toolbar's schedule button does nothing while the panel is open.
    window_->ClickTool(ToolbarButton::Schedules);
    QVERIFY(!Find<QListWidget>("List1")->isVisible());

    QTest::mouseClick(Find<QPushButton>("preddonebutton"), Qt::LeftButton);
    QVERIFY(!list->isVisible());
    for (const char* menu : {"SchedMenu", "Gamesmenu", "standingsmenu", "Editmenu"})
      QVERIFY2(!Locked(menu), menu);
  }

  void KeysReachTheListingsCommands() {
    QApplication::setActiveWindow(window_.get());
    Trigger("PredWeekmenu_4");
    ui_->answers = {false};
    QTest::keyClick(window_.get(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(ui_->questions.back().text, std::string("Ready to send Predictions to the Printer."));
    QTest::keyClick(window_.get(), Qt::Key_F1);
    QCOMPARE(ui_->help_topics.back(), std::string("Contents"));
    QTest::keyClick(window_.get(), Qt::Key_Escape);
    QVERIFY(!Find<QListWidget>("List2")->isVisible());
    QVERIFY(!Locked("Gamesmenu"));
  }

  void TitleToolbarAndStatusLineTellTheSeasonsState() {
    QCOMPARE(window_->windowTitle(), QString("Tavrin 1999"));
    // The season is complete: nothing to score or predict.
    const std::array<bool, 5> idle{true, false, false, true, true};
    for (int k = 0; k < 5; ++k)
      QCOMPARE(Find<QToolButton>(qPrintable(QString("tool_%1").arg(k)))->isEnabled(), idle[k]);
    Trigger("StandingsWKmenu_3");
    const std::array<bool, 5> listing{false, false, false, false, true};
    for (int k = 0; k < 5; ++k) {
      QCOMPARE(Find<QToolButton>(qPrintable(QString("tool_%1").arg(k)))->isEnabled(), listing[k]);
    }
  }

  void WindowGrowsButNeverBelowItsDesignAndIsRemembered() {
    const QSize design = window_->DesignSize();
    QCOMPARE(window_->size(), design);
    Trigger("PredWeekmenu_0");
    auto* list = Find<QListWidget>("List2");
    const QSize list_size = list->size();
    window_->resize(design + QSize(200, 100));
    QCOMPARE(window_->size(), design + QSize(200, 100));
    QCOMPARE(list->size(), list_size + QSize(200, 100));
    window_->resize(design - QSize(100, 60));
    QCOMPARE(window_->size(), design);

    window_->resize(design + QSize(40, 30));
    window_->close();
    MainWindow reopened(*store_, *ui_, folder_->path());
    QCOMPARE(reopened.size(), design + QSize(40, 30));
  }

  void DataEntryCommandsOpenTheirWindows() {
    const std::vector<std::array<const char*, 3>> commands = {
        {"Settingsmenu", "Settingsform", nullptr},  // its OK saves: closed by the title bar
        {"Namesmenu", "Namesform", "donebutton"},
        {"Editstatsmenu", "Statedit", "Donebutton"},
        {"Enterschedulemenu", "Schedule", "Command1"},
        {"SWeek_16", "Scores", "donebutton"}};
    for (const auto& [menu, window_name, close_button] : commands) {
      Trigger(menu);
      QVERIFY(!window_->isEnabled());
      QPointer<QWidget> entry = window_->SecondaryWindow();
      QVERIFY(entry != nullptr);
      QCOMPARE(entry->objectName(), QString(window_name));
      if (close_button == nullptr) {
        entry->close();
      } else {
        entry->findChild<QPushButton*>(close_button)->click();
      }
      QTRY_VERIFY(entry.isNull());
      QVERIFY(window_->isEnabled());
    }
    QVERIFY(ui_->messages.empty());
  }

  void ViewCommandsOpenTheirWindows() {
    const std::pair<const char*, const char*> commands[] = {
        {"ViewWKStats_17", "VStatsform"},  {"WeekResultMenu_4", "VResults"},
        {"teamresultsmenu", "TResults"},   {"singlegraphmenu", "Selgraphform"},
        {"Specialsmenu", "Specials"},      {"Pseasonmenu", "Pseason"},
        {"Scorecardmenu", "Scorecard"},    {"PlayoffOddsmenu", "PlayoffOdds"},
        {"programmermenu", "programmers"}, {"Graphtwoteammenu", "Selgraphform"}};
    for (const auto& [command, name] : commands) {
      Trigger(command);
      QPointer<QWidget> opened = OpenWindow(name);
      QVERIFY2(opened != nullptr, command);
      QVERIFY2(!window_->isEnabled(), command);
      opened->close();
      QTRY_VERIFY(opened.isNull());
      QVERIFY2(window_->isEnabled(), command);
    }
    QCOMPARE(store_->GraphMode, int16_t{2});
    QVERIFY(ui_->messages.empty());
  }

  void ToolbarScoresButtonOpensScoreEntryForTheNextWeek() {
    store_->LastScoredWeek = 16;
    window_->ClickTool(ToolbarButton::EnterScores);
    QPointer<QWidget> scores = OpenWindow("Scores");
    QVERIFY(scores != nullptr);
    QVERIFY(scores->windowTitle().endsWith("Week # 17"));
    QVERIFY(!window_->isEnabled());
    scores->close();
    QTRY_VERIFY(scores.isNull());
    QVERIFY(window_->isEnabled());
  }

  void SplashIsDismissedByEnterSpaceOrEscapeOnly() {
    window_->hide();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Escape}) {
      QPointer<SplashWindow> splash = new SplashWindow(*window_);
      splash->show();
      QTest::keyClick(splash.data(), Qt::Key_A);
      QVERIFY(splash->isVisible());
      QVERIFY(!window_->isVisible());
      const int busy = ui_->busy_pointers;
      QTest::keyClick(splash.data(), key);
      QTRY_VERIFY(splash.isNull());
      QVERIFY(window_->isVisible() && window_->isEnabled());
      QVERIFY(ui_->busy_pointers > busy);
      window_->hide();
    }
  }
};

// An empty folder: the loading message for each file, and the design entries only.
class StartupWithoutDataTest : public QObject {
  Q_OBJECT

 private slots:
  void LoadingFailureIsReportedAndTheWindowStillOpens() {
    TempFolder folder;
    SeasonStore store;
    ScriptedUi ui;
    MainWindow window(store, ui, folder.path());
    QCOMPARE(ui.messages.size(), std::size_t{1});
    QCOMPARE(ui.messages[0].caption, std::string("Tavrin Loading...."));
    QCOMPARE(window.findChild<QMenu*>("Predmenu")->actions().size(), 1);
    QCOMPARE(window.findChild<QMenu*>("Viewstatsmenu")->actions().size(), 1);
    // Week 1's schedule cannot be read: the schedule menu says so and opens nothing.
    window.findChild<QAction*>("Weeksmenu_0")->trigger();
    QCOMPARE(ui.messages.back().text, std::string("Unable to Load the Schedule for Week 1."));
    QVERIFY(window.ScheduleLines().empty());
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  MainWindowTest main_window;
  StartupWithoutDataTest without_data;
  return QTest::qExec(&main_window, argc, argv) | QTest::qExec(&without_data, argc, argv);
}

#include "main_window_test.moc"
