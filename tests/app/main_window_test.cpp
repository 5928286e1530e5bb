// The main window and the splash as the user meets them, over the final 1999 season: the menu
// tree, the panels and the menus they lock, the toolbar, the size rule, the busy pointer, the
// splash's dismissal and what each print button sends to the printer.

#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <array>
#include <cstdlib>
#include <fstream>
#include <memory>

#include "app/splash_window.h"
#include "platform/qt/qt_user_interface.h"
#include "support/scripted_ui.h"
#include "support/temp_folder.h"

using namespace tavrin;
using testing::ScriptedUi;
using testing::TempFolder;

namespace {

// A scripted person whose printer also records the job names.
class NamingPrinter : public testing::RecordingPrinter {
 public:
  void SetJobName(const std::string& name) override { events.push_back("job:" + name); }
};

class NamingUi : public ScriptedUi {
 public:
  NamingPrinter naming_printer;
  Printer& ReportPrinter() override { return naming_printer; }
};

std::vector<std::string> GoldenReport(const std::string& name) {
  std::ifstream in(testing::SharedDataDir() / "golden/1999/reports" / name, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

QStringList MenuCaptions(const QMenu* menu) {
  QStringList captions;
  for (const QAction* action : menu->actions()) captions << action->text();
  return captions;
}

QStringList WeekCaptions(const QString& first, int from, int to) {
  QStringList captions{first};
  for (int week = from; week <= to; ++week) captions << QString("Week # %1").arg(week);
  return captions;
}

int Count(const std::vector<std::string>& events, const std::string& event) {
  return static_cast<int>(std::count(events.begin(), events.end(), event));
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<TempFolder> folder_;
  std::unique_ptr<SeasonStore> store_;
  std::unique_ptr<NamingUi> ui_;
  std::unique_ptr<MainWindow> window_;

  template <typename T>
  T* Find(const char* name) {
    T* found = window_->findChild<T*>(name);
    if (found == nullptr) qFatal("no control %s", name);
    return found;
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
    ui_ = std::make_unique<NamingUi>();
    QStandardPaths::setTestModeEnabled(true);
    QSettings().clear();
    window_ = std::make_unique<MainWindow>(*store_, *ui_, folder_->path());
    window_->show();
  }

  void cleanup() {
    window_.reset();
    ui_.reset();
    store_.reset();
    folder_.reset();
  }

  void MenuTreeHasEveryCommandAndSeventeenWeeks() {
    QCOMPARE(ui_->messages.size(), std::size_t{0});
    QStringList bar;
    for (const QAction* menu : window_->menuBar()->actions()) bar << menu->text();
    QCOMPARE(bar, QStringList({"&File", "&Edit", "&Schedules", "&Games", "S&tandings", "&Help"}));
    QCOMPARE(MenuCaptions(Find<QMenu>("Filemenu")),
             QStringList({"&Programming Information", "Tavrin &Settings", "P&rinter Setup",
                          "Print to P&DF...", "&Import Season...", "&Export Season...", "E&xit"}));
    QCOMPARE(Find<QAction>("ExitMenu")->shortcut(), QKeySequence(QKeySequence::Quit));
    QCOMPARE(
        MenuCaptions(Find<QMenu>("Editmenu")),
        QStringList({"Cut", "Copy", "Paste", "", "&Names and Locations", "&Weekly Statistics"}));
    for (QAction* placeholder : Find<QMenu>("Editmenu")->actions().mid(0, 3))
      QVERIFY(!placeholder->isEnabled());
    QCOMPARE(
        MenuCaptions(Find<QMenu>("SchedMenu")),
        QStringList({"View &Weekly Schedules", "View Entire &Season", "View Schedules by &Team",
                     "&Enter / Edit Schedule", "&New Season Setup"}));
    QCOMPARE(MenuCaptions(Find<QMenu>("Gamesmenu")),
             QStringList({"&View Statistics  (weekly)", "&Enter Scores", "&Predictions",
                          "&Weekly Results", "&Results by Team", "&Graph Team Ratings",
                          "Play-&Off && Single Game Predictions", "Predict &Season / Playoffs",
                          "Season Scorecard"}));
    QCOMPARE(MenuCaptions(Find<QMenu>("Gteammenu")),
             QStringList({"&Single Team Rating", "&Compare Team Ratings"}));
    QCOMPARE(MenuCaptions(Find<QMenu>("standingsmenu")),
             QStringList({"&View Standings", "Play-off &Odds"}));
    QCOMPARE(MenuCaptions(Find<QMenu>("HelpMenu")),
             QStringList({"Help   --   &Instructions", "Search for Help on...", "&About Tavrin"}));

    QCOMPARE(MenuCaptions(Find<QMenu>("ViewSchedulesMenu")), WeekCaptions("Week # 1", 2, 17));
    QCOMPARE(MenuCaptions(Find<QMenu>("standingsvmenu")), WeekCaptions("Week # 1", 2, 17));
    QCOMPARE(MenuCaptions(Find<QMenu>("Escoresmenu")), WeekCaptions("Week #1", 2, 17));
    QCOMPARE(MenuCaptions(Find<QMenu>("Predmenu")), WeekCaptions("Week #1", 2, 17));
    QCOMPARE(MenuCaptions(Find<QMenu>("ResultMenus")), WeekCaptions("Week #1", 2, 17));
    QCOMPARE(MenuCaptions(Find<QMenu>("Viewstatsmenu")), WeekCaptions("Start of Season", 1, 17));
    QCOMPARE(Find<QAction>("PredWeekmenu_16")->property("index").toInt(), 16);
  }

  void PredictionsPanelShowsTheWeekAndLocksEveryMenu() {
    Trigger("PredWeekmenu_4");
    QCOMPARE(window_->ReportLines(), GoldenReport("predictions_week_05.txt"));
    auto* list = Find<QListWidget>("List2");
    QVERIFY(list->isVisible());
    QCOMPARE(list->count(), static_cast<int>(window_->ReportLines().size()));
    QCOMPARE(list->item(0)->text().toStdString(), window_->ReportLines()[0]);
    QVERIFY(Find<QPushButton>("preddonebutton")->isVisible());
    QVERIFY(Find<QPushButton>("Predprintbutton")->isVisible());
    QVERIFY(!Find<QPushButton>("standingsdonebutton")->isVisible());
    for (const char* menu : {"SchedMenu", "Gamesmenu", "standingsmenu", "Editmenu"})
      QVERIFY2(Locked(menu), menu);
    QVERIFY(!Locked("Filemenu") && !Locked("HelpMenu"));

    // The toolbar's schedule button does nothing while the panel is open.
    window_->ClickTool(ToolbarButton::Schedules);
    QVERIFY(!Find<QListWidget>("List1")->isVisible());
    QCOMPARE(window_->ReportLines(), GoldenReport("predictions_week_05.txt"));

    QTest::mouseClick(Find<QPushButton>("preddonebutton"), Qt::LeftButton);
    QVERIFY(!list->isVisible());
    QCOMPARE(list->count(), 0);
    QVERIFY(!Find<QPushButton>("Predprintbutton")->isVisible());
    for (const char* menu : {"SchedMenu", "Gamesmenu", "standingsmenu", "Editmenu"})
      QVERIFY2(!Locked(menu), menu);
  }

  void SchedulePanelLeavesTheSchedulesMenuOpen() {
    Trigger("Entireseasonmenu");
    QCOMPARE(window_->ScheduleLines(), GoldenReport("schedule_season.txt"));
    QVERIFY(Find<QListWidget>("List1")->isVisible());
    QVERIFY(Find<QLabel>("Schedulelabel")->isVisible());
    QVERIFY(!Locked("SchedMenu"));
    for (const char* menu : {"Gamesmenu", "standingsmenu", "Editmenu"})
      QVERIFY2(Locked(menu), menu);

    // Another schedule view replaces the listing.
    Trigger("Weeksmenu_2");
    QCOMPARE(window_->ScheduleLines(), GoldenReport("schedule_week_03.txt"));
    QTest::mouseClick(Find<QPushButton>("schdonebutton"), Qt::LeftButton);
    QVERIFY(!Find<QListWidget>("List1")->isVisible());
    QVERIFY(!Find<QLabel>("Schedulelabel")->isVisible());
    QVERIFY(window_->ScheduleLines().empty());
    QVERIFY(!Locked("Gamesmenu"));
  }

  void TeamScheduleIsChosenInTheComboBox() {
    Trigger("Teamschedulemenu");
    auto* combo = Find<QComboBox>("Combo1");
    QVERIFY(combo->isVisible() && Find<QPushButton>("schbutton")->isVisible());
    QCOMPARE(combo->count(), 31);
    QCOMPARE(combo->currentText(), QString("      Select Team"));

    // Accepting the prompt itself lists nothing and puts the choice away.
    QTest::mouseClick(Find<QPushButton>("schbutton"), Qt::LeftButton);
    QVERIFY(!combo->isVisible());
    QVERIFY(!Find<QListWidget>("List1")->isVisible());
    QVERIFY(!Locked("Gamesmenu"));

    Trigger("Teamschedulemenu");
    combo->setEditText(combo->itemText(0));
    QTest::mouseDClick(combo->lineEdit(), Qt::LeftButton);  // a double click accepts too
    QCOMPARE(window_->ScheduleLines(), GoldenReport("schedule_team_01.txt"));
    QVERIFY(!combo->isVisible());
    QVERIFY(Locked("Gamesmenu"));

    // Printing by team before a team is accepted prints nothing and says why; Enter accepts.
    Trigger("Teamschedulemenu");
    Find<QPushButton>("schprintbutton")->click();
    QCOMPARE(ui_->messages.back().text,
             std::string("Choose a team and accept it before printing its schedule."));
    QCOMPARE(ui_->naming_printer.Lines(), std::vector<std::string>{});
    combo->setEditText(combo->itemText(0));
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    QCOMPARE(window_->ScheduleLines(), GoldenReport("schedule_team_01.txt"));
  }

  void ToolbarFollowsTheSeasonsProgress() {
    QCOMPARE(store_->LastScoredWeek, int16_t{17});
    // Season complete: nothing to score or predict.
    window_->ClickTool(ToolbarButton::EnterScores);
    window_->ClickTool(ToolbarButton::Predictions);
    QVERIFY(!Find<QListWidget>("List2")->isVisible());
    QVERIFY(ui_->messages.empty());

    window_->ClickTool(ToolbarButton::Standings);
    QCOMPARE(window_->ReportLines(), GoldenReport("standings_week_17.txt"));
    QVERIFY(Find<QPushButton>("standingsprintbutton")->isVisible());

    const int busy = ui_->busy_pointers;
    window_->ClickTool(ToolbarButton::Help);
    QCOMPARE(ui_->help_topics, std::vector<std::string>{"Contents"});
    QVERIFY(ui_->busy_pointers > busy);

    Find<QPushButton>("standingsdonebutton")->click();
    store_->LastScoredWeek = 9;
    window_->ClickTool(ToolbarButton::Predictions);
    QCOMPARE(window_->ReportLines(), GoldenReport("predictions_week_10.txt"));
  }

  void HoverCaptionsShowOneAtATimeAndHideOnTheTimer() {
    auto* caption = Find<QLabel>("helplabel_2");
    QCOMPARE(Find<QLabel>("helplabel_1")->text(), QString("Enter Scores"));
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(Find<QToolButton>("tool_1"), &enter);
    QVERIFY(Find<QLabel>("helplabel_1")->isVisible());
    QApplication::sendEvent(Find<QToolButton>("tool_2"), &enter);
    QVERIFY(caption->isVisible());
    QVERIFY(!Find<QLabel>("helplabel_1")->isVisible());
    auto* timer = window_->findChild<QTimer*>("Timer1");
    QCOMPARE(timer->interval(), 4000);
    QVERIFY(timer->isActive());
    timer->start(10);  // the same timer, sooner
    QTRY_VERIFY(!caption->isVisible());

    // No captions while a panel has the Schedules menu locked.
    Trigger("StandingsWKmenu_0");
    QApplication::sendEvent(Find<QToolButton>("tool_2"), &enter);
    QVERIFY(!caption->isVisible());
  }

  void ListingsScrollByKeysAndCopyChosenLines() {
    QApplication::setActiveWindow(window_.get());
    Trigger("Entireseasonmenu");
    auto* list = Find<QListWidget>("List1");
    QCOMPARE(window_->focusWidget(), list);
    QCOMPARE(list->verticalScrollBar()->value(), 0);  // opens at its top
    QTest::qWait(1);  // the list lays its lines out when the event loop runs
    QTest::keyClick(list, Qt::Key_PageDown);  // to the foot of the page, then a page on
    QTest::keyClick(list, Qt::Key_PageDown);
    QTRY_VERIFY(list->verticalScrollBar()->value() > 0);
    QTest::keyClick(list, Qt::Key_Home);
    QCOMPARE(list->verticalScrollBar()->value(), 0);

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(2)).center());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      list->visualItemRect(list->item(3)).center());
    QVERIFY(Find<QAction>("Editmenudis") != nullptr);
    window_->menuBar()->findChild<QMenu*>("Editmenu")->actions().at(1)->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QString::fromLatin1(window_->ScheduleLines()[2] + "\n" + window_->ScheduleLines()[3]));
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
    window_->ShowWeekSaved(9);
    QCOMPARE(window_->statusBar()->currentMessage(),
             QString("Week 9 saved. Predictions for week 10 are ready."));
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

  void PredictionsPrintButtonSendsTheListing() {
    Trigger("PredWeekmenu_4");
    ui_->answers = {false};
    Find<QPushButton>("Predprintbutton")->click();
    QCOMPARE(ui_->questions.back().text, std::string("Ready to send Predictions to the Printer."));
    QCOMPARE(ui_->naming_printer.Lines(), std::vector<std::string>{});

    Find<QPushButton>("Predprintbutton")->click();
    const auto& events = ui_->naming_printer.events;
    std::vector<std::string> expected{" ", " ", " "};
    for (const std::string& line : GoldenReport("predictions_week_05.txt"))
      expected.push_back("   " + line);
    QCOMPARE(ui_->naming_printer.Lines(), expected);
    QVERIFY(std::find(events.begin(), events.end(), "job:Tavrin Predictions week 5") <
            std::find(events.begin(), events.end(), "line: "));
    QVERIFY(std::find(events.begin(), events.end(), "size:14") != events.end());
    QCOMPARE(Count(events, "end"), 1);
  }

  void StandingsPrintButtonSendsTheListing() {
    window_->ClickTool(ToolbarButton::Standings);
    Find<QPushButton>("standingsprintbutton")->click();
    const auto golden = GoldenReport("standings_week_17.txt");
    std::vector<std::string> expected{" ", " ", " ", "        " + golden[0], " "};
    for (std::size_t line = 1; line < golden.size(); ++line)
      expected.push_back("        " + golden[line]);
    QCOMPARE(ui_->naming_printer.Lines(), expected);
    const auto& events = ui_->naming_printer.events;
    QVERIFY(std::find(events.begin(), events.end(), "job:Tavrin Standings week 17") !=
            events.end());
    QVERIFY(std::find(events.begin(), events.end(), "size:11") != events.end());
    QCOMPARE(events.back(), std::string("job:"));  // the name is let go after the job
  }

  void SchedulePrintButtonPutsTwoWeeksOnAPage() {
    Trigger("Entireseasonmenu");
    Find<QPushButton>("schprintbutton")->click();
    const auto& events = ui_->naming_printer.events;
    QCOMPARE(ui_->questions.back().text, std::string("Ready to send Schedule to the Printer."));
    QCOMPARE(Count(events, "page"), 8);
    QCOMPARE(Count(events, "end"), 1);
    QCOMPARE(Count(events, "size:15"), 9);
    QVERIFY(std::find(events.begin(), events.end(), "job:Tavrin Schedule") != events.end());
    const auto lines = ui_->naming_printer.Lines();
    // A long listing starts one blank line below the job's first line.
    QCOMPARE(lines[1], std::string(" "));
    QCOMPARE(lines[2], std::string("       " + GoldenReport("schedule_season.txt")[0]));
  }

  void SecondaryWindowsDisableTheMainWindow() {
    Trigger("programmermenu");
    QVERIFY(!window_->isEnabled());
    QPointer<QWidget> information = OpenWindow("programmers");
    QVERIFY(information != nullptr);
    QVERIFY(information->isEnabled());
    information->findChild<QPushButton*>("okbutton")->click();
    QTRY_VERIFY(information.isNull());
    QVERIFY(window_->isEnabled());
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
    // Week 17 of the finished season is scored again from block 16.
    QVERIFY(ui_->messages.empty());

    // The new season setup talks through the user interface only; No ends it at once.
    ui_->answers.push_back(false);
    Trigger("NewSeasonmenu");
    QCOMPARE(ui_->questions.back().default_button, DefaultButton::Second);
    QVERIFY(window_->isEnabled());
  }

  void ViewCommandsOpenTheirWindows() {
    const std::pair<const char*, const char*> commands[] = {
        {"ViewWKStats_17", "VStatsform"}, {"WeekResultMenu_4", "VResults"},
        {"teamresultsmenu", "TResults"},  {"singlegraphmenu", "Selgraphform"},
        {"Specialsmenu", "Specials"},     {"Pseasonmenu", "Pseason"}};
    for (const auto& [command, name] : commands) {
      Trigger(command);
      QPointer<QWidget> opened = OpenWindow(name);
      QVERIFY2(opened != nullptr, command);
      QVERIFY2(!window_->isEnabled(), command);
      opened->close();
      QTRY_VERIFY(opened.isNull());
      QVERIFY2(window_->isEnabled(), command);
    }
    Trigger("Graphtwoteammenu");
    QCOMPARE(store_->GraphMode, int16_t{2});
    OpenWindow("Selgraphform")->close();
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
    const std::pair<const char*, const char*> editors[] = {{"Settingsmenu", "Settingsform"},
                                                           {"Namesmenu", "Namesform"},
                                                           {"Editstatsmenu", "Statedit"},
                                                           {"Enterschedulemenu", "Schedule"}};
    for (const auto& [command, name] : editors) {
      Trigger(command);
      QPointer<QWidget> editor = OpenWindow(name);
      QVERIFY2(editor != nullptr, command);
      editor->close();
      QTRY_VERIFY(editor.isNull());
      QVERIFY2(window_->isEnabled(), command);
    }
  }

  void RefusedViewOpensNoWindow() {
    // There is no statistics block 18: the refusal message, and the main window stays usable.
    store_->LastScoredWeek = 18;
    Trigger("Pseasonmenu");
    QCOMPARE(ui_->messages.size(), std::size_t{1});
    QVERIFY(OpenWindow("Pseason") == nullptr);
    QVERIFY(window_->isEnabled());
  }

  void AboutShowsTheSplashAgain() {
    Trigger("AboutMenu");
    QVERIFY(!window_->isEnabled());
    QPointer<SplashWindow> splash;
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top->objectName() == "Form1" && top->isVisible())
        splash = qobject_cast<SplashWindow*>(top);
    }
    QVERIFY(splash != nullptr);
    QTest::mouseClick(splash->findChild<QLabel*>("Image1"), Qt::LeftButton);
    QTRY_VERIFY(splash.isNull());
    QVERIFY(window_->isEnabled() && window_->isVisible());
  }

  void SplashIsDismissedByClickEnterSpaceOrEscapeOnly() {
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
    QPointer<SplashWindow> splash = new SplashWindow(*window_);
    splash->show();
    QTest::mouseClick(splash.data(), Qt::LeftButton, {}, QPoint(5, 5));
    QTRY_VERIFY(splash.isNull());
    QVERIFY(window_->isVisible());
  }

  void SplashBannerScrollsAndAlternates() {
    SplashWindow splash(*window_);
    QCOMPARE(splash.findChild<QLabel*>("Label1")->text(), QString("Tavrin 2000"));
    QCOMPARE(splash.BannerText(), CreditsLine());
    QVERIFY(CreditsLine().endsWith("Version 2.00"));
    QCOMPARE(splash.findChild<QTimer*>("Timer1")->interval(), 20);
    const double start = splash.BannerLeftTwips();
    splash.AdvanceBanner();
    QCOMPARE(splash.BannerLeftTwips(), start - 28);
    int ticks = 1;
    while (splash.BannerText() == CreditsLine() && ticks < 2000) {
      splash.AdvanceBanner();
      ++ticks;
    }
    QCOMPARE(splash.BannerText(), QString(BannerPrompt));
    QCOMPARE(splash.BannerLeftTwips(), 5700.0 - 28);
    for (int tick = 0; tick < 540; ++tick) splash.AdvanceBanner();
    QCOMPARE(splash.BannerText(), CreditsLine());
  }

  void LowColourSplashTakesThePictureBesideTheData() {
    store_->ColourDepthFlag = 0;
    auto picture_size = [this] {
      SplashWindow splash(*window_);
      return splash.findChild<QLabel*>("Image1")->pixmap().size();
    };
    QCOMPARE(picture_size(), QSize(400, 300));  // no Tavtib.dat: the design picture stays
    QPixmap low_colour(320, 200);
    low_colour.fill(Qt::darkBlue);
    QVERIFY(
        low_colour.save(QString::fromStdString((folder_->path() / "Tavtib.dat").string()), "BMP"));
    QCOMPARE(picture_size(), QSize(320, 200));
    store_->ColourDepthFlag = 8;
    QCOMPARE(picture_size(), QSize(400, 300));
  }

  void FileMenuExportsAndImportsTheSeasonThroughTheFileDialogs() {
    const std::filesystem::path exported = folder_->path() / "season.csv";
    const std::filesystem::path refused = folder_->path() / "refused.csv";
    const std::filesystem::path statistics = folder_->path() / "TVSt1999.dat";
    const std::string finished = testing::ReadFileBytes(statistics);
    Trigger("ImportSeasonmenu");  // cancelled: nothing happens
    QVERIFY(ui_->messages.empty());
    ui_->chosen_files = {exported.string()};
    Trigger("ExportSeasonmenu");
    QCOMPARE(ui_->messages.back().text, std::string("Season 1999 exported to season.csv."));
    const std::string csv = testing::ReadFileBytes(exported);
    testing::WriteFileBytes(refused, csv + "1999,0,1,1,1,17,,\n");
    const auto week_zero_line = std::count(csv.begin(), csv.end(), '\n') + 1;

    ui_->chosen_files = {refused.string()};
    Trigger("ImportSeasonmenu");
    QVERIFY(ui_->messages.back().text.find("\n\rrefused.csv:" + std::to_string(week_zero_line) +
                                           ": week \"0\" is not a week") != std::string::npos);
    QVERIFY(testing::ReadFileBytes(statistics) == finished);
    const int busy = ui_->busy_pointers;
    ui_->chosen_files = {exported.string()};
    Trigger("ImportSeasonmenu");
    QVERIFY(ui_->busy_pointers > busy);
    QVERIFY(ui_->messages.back().text.rfind("Season 1999 imported from season.csv", 0) == 0);
    QVERIFY(testing::ReadFileBytes(statistics) == finished);
  }

  void ProblemListIsOneScrollableWindow() {
    qt::QtUserInterface qt_ui(folder_->path(), qt::QtPrinter::Destination::PdfFile);
    std::vector<std::string> lines;
    for (int line = 2; line <= 51; ++line) {
      lines.push_back("1999.csv:" + std::to_string(line) +
                      ": home_score \"abc\" is not a whole number");
    }
    QString shown;
    QTimer::singleShot(0, [&shown] {
      for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() != "MessageListDialog") continue;
        shown = top->findChild<QPlainTextEdit*>("MessageList")->toPlainText();
        if (const char* picture = std::getenv("TAVRIN_SCREENSHOT")) top->grab().save(picture);
        static_cast<QDialog*>(top)->accept();
      }
    });
    qt_ui.ShowMessageList("1999.csv was not imported; no file has been changed.", lines, "Tavrin");
    QCOMPARE(shown.split('\n').size(), 50);
    QVERIFY(shown.startsWith("1999.csv:2: home_score \"abc\" is not a whole number\n"));
  }

  void BusyPointerOfACommandIsResetByTheWaitTimer() {
    qt::QtUserInterface qt_ui(folder_->path(), qt::QtPrinter::Destination::PdfFile);
    SeasonStore store;
    MainWindow window(store, qt_ui, folder_->path());
    window.findChild<QAction*>("PredWeekmenu_3")->trigger();
    QVERIFY(window.findChild<QListWidget*>("List2")->count() > 0);
    QVERIFY(QGuiApplication::overrideCursor() != nullptr);
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QVERIFY(qt_ui.busy_pointer().waittimer().isActive());
    QTRY_VERIFY_WITH_TIMEOUT(QGuiApplication::overrideCursor() == nullptr, 2000);
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
