// One pass of the week cycle by clicks and key presses only: the new year, the first weeks'
// schedules, the new season setup and a week's scores. After every step the files on disk equal
// those the same steps give through the commands alone, so a window that stores what the user
// did not type, or drops what they did, is caught.

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "engine/results_processing.h"
#include "entry/new_season.h"
#include "entry/schedule_save.h"
#include "entry/schedule_window.h"
#include "entry/score_entry.h"
#include "entry/scores_window.h"
#include "entry/settings_update.h"
#include "entry/settings_window.h"
#include "entry_ui/window_fixture.h"

using namespace tavrin;
using namespace tavrin::testing;

namespace {

std::vector<ScoreTexts> ScoresOf(const std::vector<SeasonGame>& games) {
  std::vector<ScoreTexts> scores;
  for (const SeasonGame& game : games) scores.push_back({game.visitor_score, game.home_score});
  return scores;
}

}  // namespace

class WeekCycleTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<SeasonCopy> window_side_;   // the season the windows work on
  std::unique_ptr<SeasonCopy> command_side_;  // the same steps through the commands
  QWidget main_window_;

  Session& session() { return window_side_->session; }
  ScriptedUi& ui() { return window_side_->ui; }

  void ExpectSameFiles() {
    QCOMPARE(FirstDifferentFile(window_side_->folder.path(), command_side_->folder.path()),
             QString());
  }

  // Types every game's two scores, moving on with Enter as the user does.
  void TypeScores(QWidget* window, const std::vector<ScoreTexts>& scores) {
    Click(window, "FTTEXT_1");
    const int games = static_cast<int>(scores.size());
    for (int game = 1; game <= games; ++game) {
      const ScoreTexts& score = scores[static_cast<std::size_t>(game - 1)];
      QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("FTTEXT_%1").arg(game));
      QTest::keyClicks(QApplication::focusWidget(), QString::fromStdString(score.first));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("STTEXT_%1").arg(game));
      QTest::keyClicks(QApplication::focusWidget(), QString::fromStdString(score.second));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    // Enter in the last row's second box leaves the focus where it is.
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("STTEXT_%1").arg(games));
  }

  void ScoreWeekOne(const std::vector<ScoreTexts>& scores) {
    ScoreEntryWindow* window = OpenScoresWindow(session(), 1, &main_window_);
    QVERIFY(window != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QVERIFY(!main_window_.isEnabled());
    int saved_week = 0;
    window->SetWeekSavedNotice([&saved_week](int week) { saved_week = week; });
    TypeScores(window, scores);
    Click(window, "resultsbutton");
    QCOMPARE(saved_week, 1);
    QVERIFY(ui().messages.empty());
    QVERIFY(!Control<QPushButton>(window, "resultsbutton")->isEnabled());
    Click(window, "donebutton");
    QTRY_VERIFY(main_window_.isEnabled());

    QVERIFY(OpenScoreEntry(command_side_->session, 1));
    QCOMPARE(ProcessWeekResults(command_side_->session, 1, scores), CommandResult::Done);
  }

 private slots:
  void initTestCase() {
    const auto final_1999 = GoldenFolder("1999");
    if (final_1999.empty() || SeasonGames(2000, 1).empty())
      QSKIP("the shared seasons are not present");
    window_side_ = std::make_unique<SeasonCopy>(final_1999 / "final");
    command_side_ = std::make_unique<SeasonCopy>(final_1999 / "final");
    main_window_.setWindowTitle("Tavrin");
    main_window_.show();
  }

  void setTheNewYear() {
    SettingsWindow* window = OpenSettingsWindow(session(), &main_window_);
    QVERIFY(!main_window_.isEnabled());
    TypeOver(window, "Text1", "2000");
    Click(window, "okbutton");
    QTRY_VERIFY(main_window_.isEnabled());
    QCOMPARE(session().store.WorkingYear, 2000);

    QCOMPARE(ApplySettings(command_side_->session, {"2000", "17", 100, 100}), CommandResult::Done);
    ExpectSameFiles();
  }

  void enterTheFirstTwoWeeksTeamByTeam() {
    ScheduleEntryWindow* window = OpenScheduleWindow(session(), &main_window_);
    for (int week = 1; week <= 2; ++week) {
      const auto games = SeasonGames(2000, week);
      std::vector<ScheduledGame> listed;
      TypeOver(window, "Text2", QString::number(week));
      for (const SeasonGame& game : games) {
        Click(window, QStringLiteral("Clabel_%1").arg(game.visitor));
        Click(window, QStringLiteral("Clabel_%1").arg(game.home));
        Click(window, QStringLiteral("Option1_%1").arg(game.day));
        Click(window, "Addbutton");
        listed.push_back({static_cast<int16_t>(game.visitor), static_cast<int16_t>(game.home),
                          static_cast<int16_t>(game.day)});
      }
      auto* list = Control<QListWidget>(window, "List1");
      QCOMPARE(list->count(), static_cast<int>(games.size()) + 1);
      Click(window, "Savebutton");
      QCOMPARE(ui().messages.size(), std::size_t{1});
      QCOMPARE(ui().messages[0].text,
               "Schedule for Week " + std::to_string(week) + " has been saved.");
      ui().messages.clear();
      Click(window, "Clearbutton");  // asks first: the scripted user says Yes
      QCOMPARE(list->count(), 1);

      QVERIFY(SaveScheduleWeek(command_side_->session, std::to_string(week), listed));
      ExpectSameFiles();
    }
    Click(window, "Command1");
    QTRY_VERIFY(main_window_.isEnabled());
  }

  void runTheNewSeasonSetup() {
    for (SeasonCopy* side : {window_side_.get(), command_side_.get()}) {
      side->ui.answers.push_back(true);
      side->ui.inputs.push_back(std::string("17"));
    }
    QCOMPARE(RunNewSeasonSetup(session()), CommandResult::Done);
    QCOMPARE(RunNewSeasonSetup(command_side_->session), CommandResult::Done);
    ExpectSameFiles();
  }

  void enterAndProcessTheFirstWeeksScores() {
    ScoreWeekOne(ScoresOf(SeasonGames(2000, 1)));
    ExpectSameFiles();
  }
};

QTEST_MAIN(WeekCycleTest)

#include "week_cycle_test.moc"
