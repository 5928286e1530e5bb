// The main window over the final 1999 season: panels, menus, toolbar, keys, size and windows.

#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QToolButton>
#include <QtTest>
#include <array>
#include <memory>

#include "app/season_offer.h"
#include "app/splash_window.h"
#include "entry_ui/window_fixture.h"
#include "season/season_change.h"

using namespace tavrin;
using namespace tavrin::testing;

class MainWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<SeasonCopy> season_;
  std::unique_ptr<MainWindow> window_;

  template <typename T>
  T* Find(const char* name) {
    return Control<T>(window_.get(), name);
  }
  void Trigger(const char* action) { Find<QAction>(action)->trigger(); }
  // The Edit menu stays open for Copy; a listing locks its editors.
  bool Locked(const char* menu) {
    if (QString(menu) == "Editmenu") return !Find<QAction>("Namesmenu")->isEnabled();
    return !Find<QMenu>(menu)->menuAction()->isEnabled();
  }
  void ExpectTools(const std::array<bool, 5>& enabled, QWidget* window = nullptr) {
    for (int k = 0; k < 5; ++k) {
      const QString tool = QString("tool_%1").arg(k);
      QCOMPARE(Control<QToolButton>(window ? window : window_.get(), tool)->isEnabled(),
               enabled[k]);
    }
  }

 private slots:
  void init() {
    season_ = std::make_unique<SeasonCopy>();
    QStandardPaths::setTestModeEnabled(true);
    QSettings().clear();
    window_ = std::make_unique<MainWindow>(season_->store, season_->ui, season_->folder.path());
    window_->show();
  }

  void cleanup() {
    for (QWidget* top : QApplication::topLevelWidgets()) top->close();
    window_.reset();
    season_.reset();
  }

  // A listing locks the menus and tools it would clash with until Escape or Done closes it.
  void ListingPanelLocksMenusAndToolsAndTakesItsKeys() {
    QCOMPARE(window_->windowTitle(), QString("Tavrin 1999"));
    ExpectTools({true, false, false, true, true});  // complete: nothing to score or predict
    QApplication::setActiveWindow(window_.get());
    Trigger("PredWeekmenu_4");
    QCOMPARE(window_->ReportLines(), GoldenReport("1999", "predictions_week_05.txt"));
    auto* list = Find<QListWidget>("List2");
    QVERIFY(list->isVisible());
    QCOMPARE(ClippedControls(window_.get()), QStringList());
    for (const char* menu : {"SchedMenu", "Gamesmenu", "standingsmenu", "Editmenu"})
      QVERIFY2(Locked(menu), menu);
    QVERIFY(!Locked("Filemenu") && !Locked("HelpMenu"));
    ExpectTools({false, false, false, false, true});
    window_->ClickTool(ToolbarButton::Schedules);
    QVERIFY(!Find<QListWidget>("List1")->isVisible());

    season_->ui.answers = {false};
    QTest::keyClick(window_.get(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(season_->ui.questions.size(), std::size_t{1});
    QTest::keyClick(window_.get(), Qt::Key_F1);
    QCOMPARE(season_->ui.help_topics.back(), std::string("Contents"));
    QTest::keyClick(window_.get(), Qt::Key_Escape);
    QVERIFY(!list->isVisible());
    for (const char* menu : {"SchedMenu", "Gamesmenu", "standingsmenu", "Editmenu"})
      QVERIFY2(!Locked(menu), menu);
    Trigger("PredWeekmenu_4");
    QTest::mouseClick(Find<QPushButton>("preddonebutton"), Qt::LeftButton);
    QVERIFY(!list->isVisible());
  }

  void WindowGrowsButNeverBelowItsDesignAndIsRemembered() {
    const QSize design = window_->DesignSize();
    QCOMPARE(window_->size(), design);
    Trigger("PredWeekmenu_0");
    auto* list = Find<QListWidget>("List2");
    const QSize list_size = list->size();
    window_->resize(design + QSize(200, 100));
    QCOMPARE(list->size(), list_size + QSize(200, 100));
    window_->resize(design - QSize(100, 60));
    QCOMPARE(window_->size(), design);

    window_->resize(design + QSize(40, 30));
    window_->close();
    MainWindow reopened(season_->store, season_->ui, season_->folder.path());
    QCOMPARE(reopened.size(), design + QSize(40, 30));
  }

  // Each command opens its window, its texts whole, in front of the main window, which takes
  // input again once it closes.
  void CommandsOpenTheirWindows() {
    const std::pair<const char*, const char*> commands[] = {
        {"Editstatsmenu", "Statedit"},       {"Enterschedulemenu", "Schedule"},
        {"Scorecardmenu", "Scorecard"},      {"Pseasonmenu", "Pseason"},
        {"singlegraphmenu", "Selgraphform"}, {"Namesmenu", "Namesform"},
        {"ViewWKStats_17", "VStatsform"},    {"SWeek_16", "Scores"},
        {"teamresultsmenu", "TResults"},     {"Graphtwoteammenu", "Selgraphform"},
        {"Specialsmenu", "Specials"},        {"PlayoffOddsmenu", "PlayoffOdds"},
        {"WeekResultMenu_4", "VResults"},    {"programmermenu", "programmers"},
        {"Settingsmenu", "Settingsform"},    {"Graphtwooddsmenu", "Selgraphform"}};
    for (const auto& [command, name] : commands) {
      Trigger(command);
      QPointer<QWidget> opened = OpenWindow(name);
      QVERIFY2(opened != nullptr, command);
      QCOMPARE(opened->parentWidget(), window_.get());
      QCOMPARE(QGuiApplication::modalWindow(), opened->windowHandle());
      QVERIFY(QTest::qWaitForWindowExposed(opened));
      const QStringList clipped = ClippedControls(opened);
      QVERIFY2(clipped.isEmpty(), qPrintable(QString(name) + ": " + clipped.join(", ")));
      opened->close();
      QTRY_VERIFY(opened.isNull());
      QCOMPARE(QGuiApplication::modalWindow(), nullptr);
    }
    QCOMPARE(window_->graph_teams().mode, GraphTwoTeams);
    QVERIFY(season_->ui.messages.empty());
  }

  // Closing the main window closes its windows, but an editor whose user keeps the typed work
  // keeps both open.
  void ClosingAsksAnEditorAboutItsTypedWork() {
    Trigger("Namesmenu");
    QPointer<QWidget> names = OpenWindow("Namesform");
    QVERIFY(names != nullptr);
    QTest::keyClicks(Control<QLineEdit>(names, "Text1_5"), "x");
    season_->ui.answers = {false};
    QVERIFY(!window_->close());
    QVERIFY(window_->isVisible());
    QCOMPARE(OpenWindow("Namesform"), names.data());
    season_->ui.answers = {true};
    QVERIFY(window_->close());
    QTRY_VERIFY(names.isNull());
    QCOMPARE(season_->ui.questions.size(), std::size_t{2});
  }

  void ToolbarScoresButtonOpensScoreEntryForTheNextWeek() {
    season_->store.LastScoredWeek = 16;
    window_->ClickTool(ToolbarButton::EnterScores);
    QPointer<QWidget> scores = OpenWindow("Scores");
    QVERIFY(scores != nullptr);
    QVERIFY(scores->windowTitle().endsWith("Week # 17"));
  }

  void SplashIsDismissedByEnterSpaceOrEscapeOnly() {
    window_->hide();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Escape}) {
      QPointer<SplashWindow> splash = new SplashWindow(*window_);
      splash->show();
      QTest::keyClick(splash.data(), Qt::Key_A);
      QVERIFY(splash->isVisible() && !window_->isVisible());
      const int busy = season_->ui.busy_pointers;
      QTest::keyClick(splash.data(), key);
      QTRY_VERIFY(splash.isNull());
      QVERIFY(window_->isVisible() && window_->isEnabled());
      QVERIFY(season_->ui.busy_pointers > busy);
      window_->hide();
    }
  }

  // A new season's toolbar offers only what can be done: nothing but help until its first week
  // is scheduled and the season started.
  void NewSeasonToolbarShowsItsInertButtonsDisabled() {
    TempFolder folder;
    SeasonStore store;
    ScriptedUi ui;
    Session session{store, ui, folder.path()};
    ui.choices = {static_cast<int>(EmptyFolderChoice::NewSeason)};
    ui.inputs = {"2003"};
    QVERIFY(OfferSeasonForEmptyFolder(session));
    MainWindow window(store, ui, folder.path());
    ExpectTools({false, false, false, false, true}, &window);  // help only
    QVERIFY(ui.messages.empty());
  }

  // A season another program holds: its title says so, every command that would save is
  // unavailable (through a listing's lock and release too), and looking and printing still work.
  void ReadOnlySeasonOffersNothingThatSaves() {
    static const char* const savers[] = {"Settingsmenu",  "ImportSeasonmenu",  "Namesmenu",
                                         "Editstatsmenu", "Enterschedulemenu", "NewSeasonmenu",
                                         "Escoresmenu"};
    MarkSeasonReadOnly(season_->folder.path(), "in use by tavrin-cli");
    MainWindow window(season_->store, season_->ui, season_->folder.path());
    QCOMPARE(window.windowTitle(), QString("Tavrin 1999 (read-only)"));
    QCOMPARE(Control<QLabel>(&window, "readonlylabel")->toolTip(), QString("in use by tavrin-cli"));
    const auto expect_nothing_saves = [&window] {
      for (const char* saver : savers)
        QVERIFY2(!Control<QAction>(&window, saver)->isEnabled(), saver);
      for (const char* viewer : {"Scorecardmenu", "Entireseasonmenu", "ExportSeasonmenu"})
        QVERIFY2(Control<QAction>(&window, viewer)->isEnabled(), viewer);
    };
    expect_nothing_saves();
    // A week left to score: it can be predicted, not scored.
    season_->store.LastScoredWeek = 16;
    window.findChild<QAction*>("PredWeekmenu_4")->trigger();
    Control<QPushButton>(&window, "preddonebutton")->click();
    expect_nothing_saves();
    QVERIFY(!Control<QToolButton>(&window, "tool_1")->isEnabled());
    QVERIFY(Control<QToolButton>(&window, "tool_2")->isEnabled());
    QVERIFY(window_->findChild<QLabel*>("readonlylabel") == nullptr);
  }

  // An empty folder: the loading failure reaches the user and the window still opens.
  void LoadingFailureIsReportedAndTheWindowStillOpens() {
    TempFolder folder;
    SeasonStore store;
    ScriptedUi ui;
    MainWindow window(store, ui, folder.path());
    QCOMPARE(ui.messages.size(), std::size_t{1});
    QCOMPARE(window.findChild<QMenu*>("Predmenu")->actions().size(), 1);
    window.findChild<QAction*>("Weeksmenu_0")->trigger();
    QCOMPARE(ui.messages.size(), std::size_t{2});
    QVERIFY(window.ScheduleLines().empty());
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
