// The data entry windows by clicks and key presses: they store what the commands store for the
// same input, a refused box takes the focus, typed work is not dropped without a question, the
// pairing picks enable the game box, and the information buttons reach their help topics.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <set>

#include "engine/results_processing.h"
#include "entry/schedule_save.h"
#include "entry/schedule_window.h"
#include "entry/score_entry.h"
#include "entry/scores_window.h"
#include "entry/settings_update.h"
#include "entry/settings_window.h"
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

// Every data file of the folder, by name, for checking that nothing changed.
std::string FolderSnapshot(const std::filesystem::path& folder) {
  std::set<std::string> names;  // in name order, whatever order the folder lists them in
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() == ".dat") names.insert(entry.path().filename().string());
  }
  std::string snapshot;
  for (const std::string& name : names) snapshot += name + "\n" + ReadFileBytes(folder / name);
  return snapshot;
}

}  // namespace

class EntryWindowsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<SeasonCopy> season_;
  QWidget main_window_;

  Session& session() { return season_->session; }
  ScriptedUi& ui() { return season_->ui; }

  void CloseWith(QWidget* window, const char* button) {
    Click(window, button);
    QTRY_VERIFY(main_window_.isEnabled());
  }

 private slots:
  void initTestCase() { main_window_.show(); }

  void init() { season_ = std::make_unique<SeasonCopy>(); }

  // A week's scores, a week's schedule and the settings typed anew: after each step the files
  // equal those the same input gives through the commands, so a window that stores what the
  // user did not type, or drops what they did, is caught.
  void windowsStoreWhatTheCommandsStore() {
    SeasonCopy commands;
    const auto expect_same_files = [&] {
      QVERIFY2(FolderSnapshot(season_->folder.path()) == FolderSnapshot(commands.folder.path()),
               "the windows and the commands left different data files");
    };
    // Scores unlike the recorded ones, moving on with Enter as the user does; Enter in the last
    // row's second box leaves the focus where it is.
    ScoreEntryWindow* scores_window = OpenScoresWindow(session(), 17, &main_window_);
    QVERIFY(QTest::qWaitForWindowActive(scores_window));
    int saved_week = 0;
    scores_window->SetWeekSavedNotice([&saved_week](int week) { saved_week = week; });
    std::vector<ScoreTexts> scores;
    Click(scores_window, "FTTEXT_1");
    const auto type = [](const std::string& score, const QString& box) {
      QCOMPARE(QApplication::focusWidget()->objectName(), box);
      QTest::keyClicks(QApplication::focusWidget(), QString::fromStdString(score));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    };
    for (int game = 1; game <= session().store.WeekGameCount; ++game) {
      scores.push_back({std::to_string(10 + game), std::to_string(30 - 2 * game)});
      type(scores.back().first, QStringLiteral("FTTEXT_%1").arg(game));
      type(scores.back().second, QStringLiteral("STTEXT_%1").arg(game));
    }
    QCOMPARE(QApplication::focusWidget()->objectName(),
             QStringLiteral("STTEXT_%1").arg(scores.size()));
    Click(scores_window, "resultsbutton");
    QCOMPARE(saved_week, 17);
    QVERIFY(!Control<QPushButton>(scores_window, "resultsbutton")->isEnabled());
    CloseWith(scores_window, "donebutton");
    QVERIFY(OpenScoreEntry(commands.session, 17));
    QCOMPARE(ProcessWeekResults(commands.session, 17, scores), CommandResult::Done);
    expect_same_files();

    // Week 1 again team by team, each game's teams the other way round.
    ScheduleEntryWindow* schedule_window = OpenScheduleWindow(session(), &main_window_);
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

    SettingsWindow* settings_window = OpenSettingsWindow(session(), &main_window_);
    Click(settings_window, "infobutton");
    Click(settings_window, "fontbutton");
    QWidget* fonts = OpenWindow("Setfont");
    QCOMPARE(ClippedControls(fonts), QStringList());
    Click(fonts, "infobutton");
    Click(fonts, "donebutton");
    QTRY_VERIFY(settings_window->isEnabled());
    TypeOver(settings_window, "Text1", "2000");
    CloseWith(settings_window, "okbutton");
    QCOMPARE(ApplySettings(commands.session, {"2000", "17", 100, 100}), CommandResult::Done);
    expect_same_files();
    QCOMPARE(ui().messages.size(), std::size_t{1});  // the schedule's "saved"
    QCOMPARE(ui().help_topics, (std::vector<std::string>{"Fonts", "Fonts"}));
  }

  // A box that holds no score is refused, the focus goes to it, and typed scores are not
  // thrown away without a question.
  void scoresRefusalTakesTheFocusAndClosingAsks() {
    ScoreEntryWindow* window = OpenScoresWindow(session(), 17, &main_window_);
    QVERIFY(window != nullptr);
    for (int game = 1; game <= session().store.WeekGameCount; ++game) {
      TypeOver(window, QStringLiteral("FTTEXT_%1").arg(game), "7");
      TypeOver(window, QStringLiteral("STTEXT_%1").arg(game), game == 3 ? "ab-1.5\"x" : "7");
    }
    Click(window, "resultsbutton");
    QCOMPARE(ui().messages.size(), std::size_t{1});
    QCOMPARE(window->focusWidget(), Control<QLineEdit>(window, "STTEXT_3"));
    QVERIFY(Control<QPushButton>(window, "resultsbutton")->isEnabled());

    Click(window, "infobutton");
    QCOMPARE(ui().help_topics, std::vector<std::string>{"Score Entry"});
    ui().answers.push_back(false);  // No keeps the window open
    Click(window, "cancelbutton");
    QCOMPARE(ui().questions.size(), std::size_t{1});
    QCOMPARE(OpenWindow("Scores"), window);
    window->close();  // the close box asks too; Yes closes
    QCOMPARE(ui().questions.size(), std::size_t{2});
    QTRY_VERIFY(main_window_.isEnabled());
  }

  void scheduleWeekBoxAndPairings() {
    ScheduleEntryWindow* window = OpenScheduleWindow(session(), &main_window_);
    TypeOver(window, "Text2", "18");
    Click(window, "loadbutton");
    QCOMPARE(ui().messages.size(), std::size_t{1});

    // A, B, then A again: B is left as the first team. B is reached by Tab and picked by Space.
    Click(window, "Clabel_3");
    QApplication::setActiveWindow(window);
    Control<QWidget>(window, "Clabel_19")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Control<QWidget>(window, "Clabel_20"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    Click(window, "Clabel_3");
    QVERIFY(!Control<QWidget>(window, "gamebox")->isEnabled());
    const std::string& name_20 = session().store.LocationName[20];
    QCOMPARE(Control<QLabel>(window, "gamelabel")->text(), QString::fromLatin1(name_20 + " at "));
    QCOMPARE(TextColour(Control<QWidget>(window, "Clabel_3")), qt::PaletteColour(0));
    QCOMPARE(TextColour(Control<QWidget>(window, "Clabel_20")), qt::PaletteColour(12));
    Click(window, "Addbutton");  // only one team chosen: a beep
    QCOMPARE(ui().beeps, 1);

    // Reverse turns 20 at 3 into 3 at 20; a listed team cannot be picked again.
    Click(window, "Clabel_3");
    QVERIFY(Control<QWidget>(window, "gamebox")->isEnabled());
    Click(window, "Reversebutton");
    Click(window, "Option1_5");
    Click(window, "Addbutton");
    auto* list = Control<QListWidget>(window, "List1");
    QCOMPARE(list->count(), 2);
    QCOMPARE(TextColour(Control<QWidget>(window, "Clabel_3")), qt::PaletteColour(8));
    Click(window, "Clabel_3");
    QCOMPARE(Control<QLabel>(window, "gamelabel")->text(), QString());

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
