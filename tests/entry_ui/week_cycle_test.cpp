// The week cycle as a user goes through it, by clicks and key presses only: the new year, the
// first weeks' schedules, the new season setup, a week's scores processed and corrected, a
// rating edited, a team renamed, and the settings and report font changed. After every step
// the files on disk equal those the same steps give through the commands alone.

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include "engine/results_processing.h"
#include "entry/names_update.h"
#include "entry/names_window.h"
#include "entry/new_season.h"
#include "entry/schedule_save.h"
#include "entry/schedule_window.h"
#include "entry/score_entry.h"
#include "entry/scores_window.h"
#include "entry/settings_update.h"
#include "entry/settings_window.h"
#include "entry/stats_editor.h"
#include "entry/stats_editor_window.h"
#include "entry_ui/entry_ui_fixture.h"
#include "entry_ui/test_suites.h"
#include "season/data_files.h"

using namespace tavrin;
using namespace tavrin::testing;

namespace {

constexpr int BlockBytes = LeagueTeamCount * StatsRecordSize;

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

  // The block `block` of the season's statistics file against the same block of a golden file.
  void ExpectGoldenBlock(int block) {
    const std::string ours = ReadFileBytes(window_side_->folder.path() / StatisticsFileName(2000));
    const std::string golden =
        ReadFileBytes(GoldenFolder("2000") / "final" / StatisticsFileName(2000));
    const auto from = static_cast<std::size_t>(block * BlockBytes);
    QVERIFY(ours.size() >= from + BlockBytes && golden.size() >= from + BlockBytes);
    QVERIFY(ours.compare(from, BlockBytes, golden, from, BlockBytes) == 0);
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
    QCOMPARE(window->windowTitle(), QStringLiteral("    Enter the Results for Week # 1"));
    QCOMPARE(Control<QLabel>(window, "TLabel_1")->text(),
             QString::fromLatin1(session().store.LocationName[31]));
    QCOMPARE(Control<QLabel>(window, "STLabel_1")->text(),
             "at " + QString::fromLatin1(session().store.LocationName[27]));
    // The score columns are headed by who plays: the first team visits, the second is at home.
    QStringList headings;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
      if (label->text() == "Visitors" || label->text() == "Home" || label->text() == "Scores") {
        headings << label->text();
      }
    }
    QCOMPARE(headings, QStringList({"Visitors", "Home"}));
    int saved_week = 0;
    window->SetWeekSavedNotice([&saved_week](int week) { saved_week = week; });
    TypeScores(window, scores);
    Click(window, "resultsbutton");
    QCOMPARE(saved_week, 1);
    QVERIFY(ui().messages.empty());
    QVERIFY(!Control<QPushButton>(window, "resultsbutton")->isEnabled());
    QVERIFY(!Control<QPushButton>(window, "cancelbutton")->isEnabled());
    Click(window, "donebutton");
    QTRY_VERIFY(main_window_.isEnabled());

    QVERIFY(OpenScoreEntry(command_side_->session, 1));
    QCOMPARE(ProcessWeekResults(command_side_->session, 1, scores), ProcessResult::Done);
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
    QCOMPARE(Control<QLineEdit>(window, "Text1")->text(), QStringLiteral("1999"));
    QCOMPARE(Control<QLineEdit>(window, "weekstext")->text(), QStringLiteral("17"));
    TypeOver(window, "Text1", "2000");
    Click(window, "okbutton");
    QTRY_VERIFY(main_window_.isEnabled());
    QCOMPARE(session().store.WorkingYear, 2000);

    QCOMPARE(ApplySettings(command_side_->session, {"2000", "17", 100, 100}),
             SettingsResult::Saved);
    ExpectSameFiles();
  }

  void enterTheFirstTwoWeeksTeamByTeam() {
    ScheduleEntryWindow* window = OpenScheduleWindow(session(), &main_window_);
    QCOMPARE(Control<QLabel>(window, "Label8")->text(), QStringLiteral("Year  2000"));
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
      QCOMPARE(list->item(1)->text().toStdString(),
               ScheduleListLine(session().store, listed.front()));
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
    QCOMPARE(RunNewSeasonSetup(session()), NewSeasonResult::Done);
    QCOMPARE(ui().questions.back().icon, MessageIcon::Critical);
    QCOMPARE(ui().questions.back().default_button, DefaultButton::Second);
    QCOMPARE(RunNewSeasonSetup(command_side_->session), NewSeasonResult::Done);
    ExpectSameFiles();
    ExpectGoldenBlock(0);
  }

  void enterAndProcessTheFirstWeeksScores() {
    ScoreWeekOne(ScoresOf(SeasonGames(2000, 1)));
    ExpectSameFiles();
    ExpectGoldenBlock(1);
  }

  void correctAScoreAndProcessAgain() {
    auto scores = ScoresOf(SeasonGames(2000, 1));
    scores[2].second = "31";  // game 3 turns into a home win
    ScoreWeekOne(scores);
    ExpectSameFiles();
    QCOMPARE(session().store.GameWinner[3], int16_t{13});  // the home team now wins game 3
  }

  void editATeamsRating() {
    StatsEditorWindow* window = OpenStatsEditorWindow(session(), &main_window_);
    QVERIFY(!Control<QPushButton>(window, "Savebutton")->isEnabled());
    TypeOver(window, "Text1", "1");
    Click(window, "Loadbutton");
    for (int step = 1; step < 5; ++step) Click(window, "Upbutton");
    QCOMPARE(Control<QLabel>(window, "Teamlabel")->text(),
             QString::fromLatin1(session().store.LocationName[5]));
    TypeOver(window, "Text2_7", "63.47");
    Click(window, "Savebutton");
    QVERIFY(ui().messages.empty());
    Click(window, "Donebutton");
    QTRY_VERIFY(main_window_.isEnabled());

    Session& commands = command_side_->session;
    QVERIFY(LoadEditorBlock(commands, 1));
    QVERIFY(StoreEditedValue(commands, 5, StatsField::Cqr, "63.47"));
    QVERIFY(SaveEditorBlock(commands, 1));
    ExpectSameFiles();
  }

  void renameATeam() {
    NamesWindow* window = OpenNamesWindow(session(), &main_window_);
    TypeOver(window, "Text1_5", "New Town");
    TypeOver(window, "Text2_5", "Rockets");
    Click(window, "savebutton");  // the scripted user says Yes to the question
    QCOMPARE(ui().questions.back().text, "Are you Sure you want to alter the City & Team Names?");
    Click(window, "donebutton");
    QTRY_VERIFY(main_window_.isEnabled());
    QCOMPARE(session().store.LocationName[5], std::string("New Town"));

    SeasonStore& store = command_side_->store;
    std::vector<std::string> locations(store.LocationName.begin() + 1,
                                       store.LocationName.begin() + 32);
    std::vector<std::string> team_names(store.TeamName.begin() + 1, store.TeamName.begin() + 32);
    locations[4] = "New Town";
    team_names[4] = "Rockets";
    QCOMPARE(SaveNames(command_side_->session, locations, team_names), NamesSaveResult::Saved);
    ExpectSameFiles();
  }

  void changeTheSettingsAndTheReportFont() {
    SettingsWindow* window = OpenSettingsWindow(session(), &main_window_);
    auto* reactivity = Control<QScrollBar>(window, "Reactivityscroll");
    auto* weighting = Control<QScrollBar>(window, "Weightingscroll");
    QTest::keyClick(reactivity, Qt::Key_PageDown);  // down 5
    QTest::keyClick(reactivity, Qt::Key_Down);      // down 1
    QTest::keyClick(weighting, Qt::Key_Up);         // up 1
    const int new_reactivity = -reactivity->value();
    const int new_weighting = -weighting->value();
    QCOMPARE(new_reactivity, 94);
    QCOMPARE(new_weighting, 101);
    QCOMPARE(Control<QLabel>(window, "Reactlabel")->text(),
             QStringLiteral("%1%").arg(new_reactivity));
    QCOMPARE(Control<QLabel>(window, "OffDeflabel")->text(),
             QStringLiteral("%1%").arg(new_weighting));
    QCOMPARE(session().store.Reactivity, static_cast<float>(new_reactivity));  // at once, in memory

    Click(window, "fontbutton");
    QWidget* fonts = OpenWindow("Setfont");
    QVERIFY(fonts != nullptr);
    QVERIFY(!window->isEnabled());
    auto* list = Control<QListWidget>(fonts, "List1");
    QCOMPARE(list->count(), 3);  // the scripted printer's fonts
    QListWidgetItem* courier = list->findItems("Courier New", Qt::MatchExactly).value(0);
    QVERIFY(courier != nullptr);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(courier).center());
    QCOMPARE(Control<QLabel>(fonts, "fontlabel")->text(), QStringLiteral("Courier New"));
    Click(fonts, "donebutton");
    QTRY_VERIFY(window->isEnabled());
    Click(window, "okbutton");
    QTRY_VERIFY(main_window_.isEnabled());

    command_side_->store.ReportFont = "Courier New";
    QCOMPARE(ApplySettings(command_side_->session, {"2000", "17", new_reactivity, new_weighting}),
             SettingsResult::Saved);
    ExpectSameFiles();
    const std::string settings = ReadFileBytes(window_side_->folder.path() / SettingsFileName);
    QVERIFY(settings.find("\r\n\"Courier New\"\r\n17\r\n") != std::string::npos);
  }
};

int RunWeekCycleTests(int argc, char** argv) {
  WeekCycleTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "week_cycle_test.moc"
