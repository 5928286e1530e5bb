// The data entry windows by clicks and key presses only, over the final 1999 season: a week's
// scores, a week's schedule and the settings typed anew. After every step the files on disk
// equal those the same steps give through the commands alone, so a window that stores what the
// user did not type, or drops what they did, is caught.

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "engine/results_processing.h"
#include "entry/schedule_save.h"
#include "entry/schedule_window.h"
#include "entry/score_entry.h"
#include "entry/scores_window.h"
#include "entry/settings_update.h"
#include "entry/settings_window.h"
#include "entry_ui/window_fixture.h"

using namespace tavrin;
using namespace tavrin::testing;

class WeekCycleTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<SeasonCopy> window_side_;   // the season the windows work on
  std::unique_ptr<SeasonCopy> command_side_;  // the same steps through the commands
  QWidget main_window_;

  Session& session() { return window_side_->session; }

  void ExpectSameFiles() {
    QVERIFY2(
        FolderSnapshot(window_side_->folder.path()) == FolderSnapshot(command_side_->folder.path()),
        "the windows and the commands left different data files");
  }

 private slots:
  void initTestCase() {
    TAVRIN_QSKIP_WITHOUT_SHARED_DATA();
    window_side_ = std::make_unique<SeasonCopy>();
    command_side_ = std::make_unique<SeasonCopy>();
    main_window_.show();
  }

  // Scores unlike the recorded ones, typed moving on with Enter as the user does; Enter in the
  // last row's second box leaves the focus where it is.
  void enterTheLastWeeksScoresAgain() {
    ScoreEntryWindow* window = OpenScoresWindow(session(), 17, &main_window_);
    QVERIFY(window != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(window));
    int saved_week = 0;
    window->SetWeekSavedNotice([&saved_week](int week) { saved_week = week; });
    std::vector<ScoreTexts> scores;
    Click(window, "FTTEXT_1");
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
    Click(window, "resultsbutton");
    QCOMPARE(saved_week, 17);
    QVERIFY(window_side_->ui.messages.empty());
    QVERIFY(!Control<QPushButton>(window, "resultsbutton")->isEnabled());
    Click(window, "donebutton");
    QTRY_VERIFY(main_window_.isEnabled());

    QVERIFY(OpenScoreEntry(command_side_->session, 17));
    QCOMPARE(ProcessWeekResults(command_side_->session, 17, scores), ProcessResult::Done);
    ExpectSameFiles();
  }

  // Week 1 again team by team, each game's teams the other way round.
  void enterAWeeksScheduleTeamByTeam() {
    ScheduleEntryWindow* window = OpenScheduleWindow(session(), &main_window_);
    const auto games = SeasonGames(1999, 1);
    std::vector<ScheduledGame> listed;
    TypeOver(window, "Text2", "1");
    for (const CsvGame& game : games) {
      Click(window, QStringLiteral("Clabel_%1").arg(game.home));
      Click(window, QStringLiteral("Clabel_%1").arg(game.visitor));
      Click(window, QStringLiteral("Option1_%1").arg(game.day));
      Click(window, "Addbutton");
      listed.push_back({static_cast<int16_t>(game.home), static_cast<int16_t>(game.visitor),
                        static_cast<int16_t>(game.day)});
    }
    QCOMPARE(Control<QListWidget>(window, "List1")->count(), static_cast<int>(games.size()) + 1);
    Click(window, "Savebutton");  // a scored week asks first: the scripted user says Yes
    QCOMPARE(window_side_->ui.messages.size(), std::size_t{1});  // saved
    Click(window, "Command1");
    QTRY_VERIFY(main_window_.isEnabled());

    QVERIFY(SaveScheduleWeek(command_side_->session, "1", listed));
    ExpectSameFiles();
  }

  void setTheNewYear() {
    SettingsWindow* window = OpenSettingsWindow(session(), &main_window_);
    TypeOver(window, "Text1", "2000");
    Click(window, "okbutton");
    QTRY_VERIFY(main_window_.isEnabled());

    QCOMPARE(ApplySettings(command_side_->session, {"2000", "17", 100, 100}),
             SettingsResult::Saved);
    ExpectSameFiles();
  }
};

QTEST_MAIN(WeekCycleTest)

#include "week_cycle_test.moc"
