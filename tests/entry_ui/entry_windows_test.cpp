// The data entry windows by clicks and key presses: dialogs that fit a small screen, store what
// the commands store, give the focus to a refused box and ask before dropping typed work.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <tuple>

#include "engine/results_processing.h"
#include "entry/names_window.h"
#include "entry/schedule_save.h"
#include "entry/schedule_window.h"
#include "entry/score_entry.h"
#include "entry/scores_window.h"
#include "entry/settings_update.h"
#include "entry/settings_window.h"
#include "entry/stats_editor_window.h"
#include "entry_ui/window_fixture.h"
#include "platform/qt/palette.h"

using namespace tavrin;
using namespace tavrin::testing;

namespace {

QColor TextColour(QWidget* control) { return control->palette().color(QPalette::ButtonText); }

// Clicks into the box, selects what it holds and types the text over it.
void TypeOver(QWidget* window, const QString& name, const QString& text) {
  auto* box = Control<QLineEdit>(window, name);
  Click(box);
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(box, text);
}

}  // namespace

class EntryWindowsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<SeasonCopy> season_;

  Session& session() { return season_->session; }
  ScriptedUi& ui() { return season_->ui; }
  QWidget* owner() { return &season_->main_window; }

  // Closes the window by its button, or by its close box when none is named.
  void CloseWith(QWidget* window, const char* button = nullptr) {
    QPointer<QWidget> closing = window;
    button != nullptr ? Click(window, button) : void(window->close());
    QTRY_VERIFY(closing.isNull());
    QCOMPARE(QGuiApplication::modalWindow(), nullptr);
  }

 private slots:
  void init() { season_ = std::make_unique<SeasonCopy>(); }

  void everyEntryWindowIsADialogInFrontOfTheMainWindow() {
    const std::tuple<std::function<QWidget*()>, Growth, const char*> windows[] = {
        {[this] { return OpenScoresWindow(session(), 17, owner()); }, Growth::Fixed, "FTTEXT_1"},
        {[this] { return OpenScheduleWindow(session(), owner()); }, Growth::Resizable, "Text2"},
        {[this] { return OpenNamesWindow(session(), owner()); }, Growth::Fixed, "Text1_1"},
        {[this] { return OpenSettingsWindow(session(), owner()); }, Growth::Fixed, "Text1"},
        {[this] { return OpenStatsEditorWindow(session(), owner()); }, Growth::Fixed, "Text1"}};
    for (const auto& [open, growth, focus] : windows) {
      QWidget* window = open();
      ExpectDialogRules(window, owner(), growth);  // its texts whole is the main window test's
      // Each opens where the user types first.
      QVERIFY(window->focusWidget() != nullptr);
      QCOMPARE(window->focusWidget()->objectName(), QString(focus));
      if (window->objectName() == "Settingsform") {
        // The report font window stands in front of the settings.
        Click(window, "fontbutton");
        QWidget* fonts = OpenWindow("Setfont");
        ExpectDialogRules(fonts, window, Growth::Fixed);
        QCOMPARE(ClippedControls(fonts), QStringList());
        QTest::keyClick(fonts, Qt::Key_Escape);
      }
      CloseWith(window);
    }
    QVERIFY(ui().questions.empty());
  }

  // Settings typed but not saved are dropped only after a Yes; No keeps the window and what was
  // typed (the names editor's asking is the main window test's).
  void editorsAskBeforeDroppingTypedChanges() {
    const int weeks = session().store.WeeksInSeason;
    QPointer<QWidget> settings = OpenSettingsWindow(session(), owner());
    QApplication::setActiveWindow(settings);
    TypeOver(settings, "weekstext", "18");
    ui().answers = {false, true};
    QTest::keyClick(settings, Qt::Key_Escape);
    QCOMPARE(OpenWindow("Settingsform"), settings.data());
    QCOMPARE(Control<QLineEdit>(settings, "weekstext")->text(), QString("18"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::ControlModifier);
    QTRY_VERIFY(settings.isNull());
    QCOMPARE(ui().questions.size(), std::size_t{2});
    // Loading a week over figures typed in the statistics editor asks too; No keeps them.
    StatsEditorWindow* editor = OpenStatsEditorWindow(session(), owner());
    TypeOver(editor, "Text1", "3");
    Click(editor, "Loadbutton");
    TypeOver(editor, "Text2_0", "9");
    ui().answers = {false, true};
    Click(editor, "Loadbutton");
    QCOMPARE(Control<QLineEdit>(editor, "Text2_0")->text(), QString("9"));
    editor->close();
    QCOMPARE(ui().questions.size(), std::size_t{4});
    QCOMPARE(session().store.WeeksInSeason, weeks);
  }

  // Catches a window that stores what the user did not type, or drops what they did.
  void windowsStoreWhatTheCommandsStore() {
    SeasonCopy commands;
    const auto expect_same_files = [&] {
      QVERIFY2(
          FolderFiles(season_->folder.path(), false) == FolderFiles(commands.folder.path(), false),
          "the windows and the commands left different data files");
    };
    // Enter moves on, but not from the last row's second box.
    ScoreEntryWindow* scores_window = OpenScoresWindow(session(), 17, owner());
    QVERIFY(QTest::qWaitForWindowActive(scores_window));
    int saved_week = 0;
    scores_window->SetWeekSavedNotice([&saved_week](int week) { saved_week = week; });
    std::vector<ScoreTexts> scores;
    TypeOver(scores_window, "FTTEXT_1", "");
    // The window's own focus, whether or not the window system has it active just now.
    const auto type = [scores_window](const std::string& score, const QString& box) {
      QWidget* focus = scores_window->focusWidget();
      QVERIFY(focus != nullptr);
      QCOMPARE(focus->objectName(), box);
      QTest::keyClicks(focus, QString::fromStdString(score));
      QTest::keyClick(focus, Qt::Key_Return);
    };
    for (int game = 1; game <= session().store.WeekGameCount; ++game) {
      scores.push_back({std::to_string(10 + game), std::to_string(30 - 2 * game)});
      type(scores.back().first, QStringLiteral("FTTEXT_%1").arg(game));
      type(scores.back().second, QStringLiteral("STTEXT_%1").arg(game));
    }
    QCOMPARE(scores_window->focusWidget()->objectName(),
             QStringLiteral("STTEXT_%1").arg(scores.size()));
    Click(scores_window, "resultsbutton");
    QCOMPARE(saved_week, 17);
    QVERIFY(!Control<QPushButton>(scores_window, "resultsbutton")->isEnabled());
    CloseWith(scores_window, "donebutton");
    QVERIFY(OpenScoreEntry(commands.session, 17));
    QCOMPARE(ProcessWeekResults(commands.session, 17, scores), CommandResult::Done);
    expect_same_files();

    // Week 1 again team by team, each game's teams the other way round.
    ScheduleEntryWindow* schedule_window = OpenScheduleWindow(session(), owner());
    std::vector<ScheduledGame> listed;
    TypeOver(schedule_window, "Text2", "1");
    for (const ScheduledGame& game : LoadScheduleWeek(commands.session, 1)) {
      Click(schedule_window, QStringLiteral("Clabel_%1").arg(game.second));
      Click(schedule_window, QStringLiteral("Clabel_%1").arg(game.first));
      Click(schedule_window, QStringLiteral("Option1_%1").arg(game.day));
      Click(schedule_window, "Addbutton");
      listed.push_back({game.second, game.first, game.day});
    }
    Click(schedule_window, "Savebutton");  // a scored week asks first: the scripted user says Yes
    CloseWith(schedule_window, "Command1");
    QVERIFY(SaveScheduleWeek(commands.session, "1", listed));
    expect_same_files();

    SettingsWindow* settings_window = OpenSettingsWindow(session(), owner());
    Click(settings_window, "infobutton");
    // A refused box is named and takes the focus; the window stays.
    TypeOver(settings_window, "weekstext", "0");
    Click(settings_window, "okbutton");
    QCOMPARE(settings_window->focusWidget(), Control<QLineEdit>(settings_window, "weekstext"));
    TypeOver(settings_window, "weekstext", "17");
    TypeOver(settings_window, "Text1", "2000");
    CloseWith(settings_window, "okbutton");
    QCOMPARE(ApplySettings(commands.session, {"2000", "17", 100, 100}), CommandResult::Done);
    expect_same_files();
    QCOMPARE(ui().messages.size(), std::size_t{2});  // the schedule's "saved", the weeks refused
    QCOMPARE(ui().help_topics, std::vector<std::string>{"Fonts"});
  }

  // A scored week shows its scores as its results report lists them; an empty box is named and
  // takes the focus; typed scores are dropped only after a question.
  void scoredWeekShowsItsScoresAndARefusedBoxTakesTheFocus() {
    ScoreEntryWindow* window = OpenScoresWindow(session(), 5, owner());
    QVERIFY(window != nullptr);
    // The report gives the winner's nickname and the winner's score first.
    const SeasonStore& store = session().store;
    int game = 0;
    for (const std::string& line : GoldenReport("1999", "results_week_05.txt")) {
      if (line.size() < 78 || line.find(" at ") == std::string::npos) continue;
      ++game;
      const QStringList score = QString::fromStdString(line.substr(71)).split('-');
      const bool visitor_won = line.compare(57, store.TeamName[store.GameFirstTeam[game]].size(),
                                            store.TeamName[store.GameFirstTeam[game]]) == 0;
      QCOMPARE(Control<QLineEdit>(window, QStringLiteral("FTTEXT_%1").arg(game))->text(),
               score[visitor_won ? 0 : 1].trimmed());
      QCOMPARE(Control<QLineEdit>(window, QStringLiteral("STTEXT_%1").arg(game))->text(),
               score[visitor_won ? 1 : 0].trimmed());
    }
    QCOMPARE(game, int{session().store.WeekGameCount});

    TypeOver(window, "STTEXT_4", "");
    QTest::keyClick(Control<QLineEdit>(window, "STTEXT_4"), Qt::Key_Delete);
    Click(window, "resultsbutton");
    const std::string& visitor = store.LocationName[store.GameFirstTeam[4]];
    const std::string& home = store.LocationName[store.GameSecondTeam[4]];
    QCOMPARE(ui().messages.size(), std::size_t{1});
    QCOMPARE(ui().messages[0].text,
             "Game # 4, " + visitor + " at " + home + ":\n\rthe score of " + home + " is missing.");
    QCOMPARE(window->focusWidget(), Control<QLineEdit>(window, "STTEXT_4"));
    QVERIFY(Control<QPushButton>(window, "resultsbutton")->isEnabled());
    Click(window, "infobutton");
    QCOMPARE(ui().help_topics, std::vector<std::string>{"Score Entry"});
    ui().answers.push_back(false);  // No keeps the window open
    Click(window, "cancelbutton");
    QCOMPARE(OpenWindow("Scores"), window);
    CloseWith(window);  // the close box asks too; Yes closes
    QCOMPARE(ui().questions.size(), std::size_t{2});
  }

  void scheduleWeekBoxAndPairings() {
    ScheduleEntryWindow* window = OpenScheduleWindow(session(), owner());
    TypeOver(window, "Text2", "18");
    Click(window, "loadbutton");
    QCOMPARE(ui().messages.size(), std::size_t{1});
    // The refused week goes back to its box, beside the weeks it takes.
    QCOMPARE(window->focusWidget(), Control<QLineEdit>(window, "Text2"));
    QCOMPARE(Control<QLabel>(window, "weekrange")->text(), QString("(1 - 17)"));

    // A, B, then A again: B is left as the first team. B is reached by Tab and picked by Space.
    Click(window, "Clabel_3");
    QApplication::setActiveWindow(window);
    Control<QWidget>(window, "Clabel_19")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Control<QWidget>(window, "Clabel_20"));
    // The team with the focus is marked, the one it left is not.
    QVERIFY(!Control<QPushButton>(window, "Clabel_20")->isFlat());
    QVERIFY(Control<QPushButton>(window, "Clabel_19")->isFlat());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    Click(window, "Clabel_3");
    QVERIFY(!Control<QWidget>(window, "gamebox")->isEnabled());
    const std::string& name_20 = session().store.LocationName[20];
    QCOMPARE(Control<QLabel>(window, "gamelabel")->text(), QString::fromLatin1(name_20 + " at "));
    QCOMPARE(TextColour(Control<QWidget>(window, "Clabel_3")), qt::PaletteColour(0));
    QCOMPARE(TextColour(Control<QWidget>(window, "Clabel_20")), qt::PaletteColour(12));
    Click(window, "Addbutton");  // only one team chosen: a beep
    QCOMPARE(ui().beeps, 1);

    // Reverse turns 20 at 3 into 3 at 20; a listed team shows in its own colour.
    Click(window, "Clabel_3");
    QVERIFY(Control<QWidget>(window, "gamebox")->isEnabled());
    Click(window, "Reversebutton");
    Click(window, "Option1_5");
    Click(window, "Addbutton");
    auto* list = Control<QListWidget>(window, "List1");
    QCOMPARE(list->count(), 2);
    QCOMPARE(TextColour(Control<QWidget>(window, "Clabel_3")), qt::PaletteColour(8));

    // Loading while games are listed asks first; No keeps the list.
    TypeOver(window, "Text2", "2");
    ui().answers = {false, true};
    Click(window, "loadbutton");
    QCOMPARE(list->count(), 2);
    Click(window, "loadbutton");
    QCOMPARE(ui().questions.size(), std::size_t{2});
    QCOMPARE(list->count(), session().store.WeekGameCount + 1);  // the games under a heading
    Click(window, "Infobutton");
    QCOMPARE(ui().help_topics, std::vector<std::string>{"Schedule"});
    CloseWith(window, "Command1");
  }
};

QTEST_MAIN(EntryWindowsTest)
#include "entry_windows_test.moc"
