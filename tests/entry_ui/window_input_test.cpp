// Every box of the data entry windows given what a user may type by mistake: nothing, letters,
// fractions, huge and negative numbers, a quote in a name. Each gives the documented reading or
// a clear message, never a crash, and loses nothing.

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "engine/results_processing.h"
#include "entry/names_window.h"
#include "entry/schedule_window.h"
#include "entry/score_entry.h"
#include "entry/scores_window.h"
#include "entry/settings_window.h"
#include "entry/stats_editor_window.h"
#include "entry_ui/entry_ui_fixture.h"
#include "entry_ui/test_suites.h"
#include "platform/qt/palette.h"
#include "season/data_files.h"

using namespace tavrin;
using namespace tavrin::testing;

namespace {

constexpr int LastWeek = 17;

QColor TextColour(QWidget* control) { return control->palette().color(QPalette::ButtonText); }

}  // namespace

class WindowInputTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<SeasonCopy> season_;
  QWidget main_window_;

  Session& session() { return season_->session; }
  ScriptedUi& ui() { return season_->ui; }
  std::string Snapshot() { return FolderSnapshot(season_->folder.path()); }

  void ExpectOnlyMessage(const std::string& text) {
    QCOMPARE(ui().messages.size(), std::size_t{1});
    QCOMPARE(ui().messages[0].text, text);
    QCOMPARE(ui().messages[0].caption, std::string("Tavrin"));
    ui().messages.clear();
  }

  void CloseWith(QWidget* window, const char* button) {
    Click(window, button);
    QTRY_VERIFY(main_window_.isEnabled());
  }

  // Week 17's score boxes filled from the given texts, game by game.
  ScoreEntryWindow* OpenLastWeekWith(const std::vector<ScoreTexts>& scores) {
    ScoreEntryWindow* window = OpenScoresWindow(session(), LastWeek, &main_window_);
    if (window == nullptr) return nullptr;
    for (std::size_t game = 1; game <= scores.size(); ++game) {
      TypeOver(window, QStringLiteral("FTTEXT_%1").arg(game),
               QString::fromStdString(scores[game - 1].first));
      TypeOver(window, QStringLiteral("STTEXT_%1").arg(game),
               QString::fromStdString(scores[game - 1].second));
    }
    return window;
  }

  std::vector<ScoreTexts> LastWeekScores() {
    std::vector<ScoreTexts> scores;
    for (const SeasonGame& game : SeasonGames(1999, LastWeek)) {
      scores.push_back({game.visitor_score, game.home_score});
    }
    return scores;
  }

 private slots:
  void initTestCase() {
    if (GoldenFolder("1999").empty() || SeasonGames(1999, LastWeek).empty()) {
      QSKIP("the shared seasons are not present");
    }
    main_window_.show();
  }

  void init() { season_ = std::make_unique<SeasonCopy>(GoldenFolder("1999") / "final"); }

  void scoresWithAnEmptyBoxChangeNothing() {
    auto scores = LastWeekScores();
    const std::string before = Snapshot();
    scores.back().second.clear();
    ScoreEntryWindow* window = OpenLastWeekWith(scores);
    QVERIFY(window != nullptr);
    Click(window, "resultsbutton");
    ExpectOnlyMessage("All Scores Must be Entered Before Processing.");
    QVERIFY(Control<QPushButton>(window, "resultsbutton")->isEnabled());
    QVERIFY(Control<QPushButton>(window, "cancelbutton")->isEnabled());
    QCOMPARE(Snapshot(), before);

    // A box that holds no score is refused by game and team, and the focus goes to it.
    const auto last = QStringLiteral("STTEXT_%1").arg(scores.size());
    TypeOver(window, last, "ab-1.5\"x");
    Click(window, "resultsbutton");
    QCOMPARE(ui().messages.size(), std::size_t{1});
    const SeasonStore& store = session().store;
    const int home = store.GameSecondTeam[static_cast<std::size_t>(scores.size())];
    QVERIFY(ui().messages[0].text.find("the score of " + store.LocationName[home] +
                                       " must be a whole number from 0 to 999.") !=
            std::string::npos);
    ui().messages.clear();
    QCOMPARE(window->focusWidget(), Control<QLineEdit>(window, last));
    QVERIFY(Control<QPushButton>(window, "resultsbutton")->isEnabled());
    QCOMPARE(Snapshot(), before);

    // Typed scores are not thrown away without a question; No keeps the window open.
    ui().answers.push_back(false);
    Click(window, "cancelbutton");
    QCOMPARE(ui().questions.size(), std::size_t{1});
    QCOMPARE(ui().questions[0].text, std::string("Discard the changes you typed?"));
    QCOMPARE(ui().questions[0].default_button, DefaultButton::Second);
    QCOMPARE(OpenWindow("Scores"), window);
    window->close();  // the close box asks too; Yes closes
    QCOMPARE(ui().questions.size(), std::size_t{2});
    QTRY_VERIFY(main_window_.isEnabled());
    QCOMPARE(Snapshot(), before);
  }

  void scoresAreReadByTheWholeNumberAtTheirStart() {
    auto scores = LastWeekScores();
    scores[0] = {"21 ", " 10"};
    scores[1] = {"7abc", "0"};
    ScoreEntryWindow* window = OpenLastWeekWith(scores);
    QVERIFY(window != nullptr);
    Click(window, "resultsbutton");
    QVERIFY(ui().messages.empty());
    CloseWith(window, "donebutton");

    SeasonCopy commands(GoldenFolder("1999") / "final");
    QVERIFY(OpenScoreEntry(commands.session, LastWeek));
    QCOMPARE(ProcessWeekResults(commands.session, LastWeek, scores), ProcessResult::Done);
    QCOMPARE(FirstDifferentFile(season_->folder.path(), commands.folder.path()), QString());
  }

  void aWeekWithoutItsScheduleClosesByItself() {
    // The schedule file ends before week 17.
    const auto schedule = season_->folder.path() / ScheduleFileName(1999);
    WriteFileBytes(schedule,
                   ReadFileBytes(schedule).substr(0, ScheduleRecordSize * (LastWeek - 1)));
    ScoreEntryWindow* window = OpenScoresWindow(session(), LastWeek, &main_window_);
    QVERIFY(window != nullptr);
    ExpectOnlyMessage("Error! Make sure Schedules for Week # 17\n\rand Week # 18 are available.");
    QVERIFY(window->FailedOpeningTimer().isActive());
    QVERIFY(!Control<QPushButton>(window, "resultsbutton")->isEnabled());
    QVERIFY(!Control<QWidget>(window, "FTTEXT_1")->isVisible());
    QVERIFY(!main_window_.isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(main_window_.isEnabled(),
                             ScoreEntryWindow::FailedOpeningMilliseconds + 2000);
    QCOMPARE(OpenWindow("Scores"), nullptr);
  }

  void aWeekWhoseScoresAreBehindDoesNotOpen() {
    // Block 16 as if week 16 had never been recorded: its first two games 0-0.
    QVERIFY(LoadStatsBlockNumber(session().store, season_->folder.path(), 16));
    for (int game = 1; game <= 2; ++game)
      session().store.FirstScore[game] = session().store.SecondScore[game] = 0;
    QVERIFY(WriteStatsBlock(session().store, season_->folder.path(), 16));
    QCOMPARE(OpenScoresWindow(session(), LastWeek, &main_window_), nullptr);
    ExpectOnlyMessage("Cannot Complete Action....\n\rScores must be current thru Week # 16.");
    QVERIFY(main_window_.isEnabled());
  }

  void scheduleWeekBoxAndPairings() {
    ScheduleEntryWindow* window = OpenScheduleWindow(session(), &main_window_);
    auto* week = Control<QLineEdit>(window, "Text2");
    for (const char* typed : {"", "abc", "0", "-3", "18", "9.5"}) {
      TypeOver(week, typed);
      Click(window, "loadbutton");
      ExpectOnlyMessage("Please enter the week Number.");
      Click(window, "Savebutton");
      ExpectOnlyMessage("Please enter the week Number.");
    }

    // A, B, then A again: B is left as the first team. B is reached by Tab and picked by Space.
    Click(window, "Clabel_3");
    QApplication::setActiveWindow(window);
    Control<QWidget>(window, "Clabel_19")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Control<QWidget>(window, "Clabel_20"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    Click(window, "Clabel_3");
    const std::string& name_20 = session().store.LocationName[20];
    QCOMPARE(Control<QLabel>(window, "gamelabel")->text(), QString::fromLatin1(name_20 + " at "));
    QCOMPARE(TextColour(Control<QWidget>(window, "Clabel_3")), qt::PaletteColour(0));
    QCOMPARE(TextColour(Control<QWidget>(window, "Clabel_20")), qt::PaletteColour(12));
    Click(window, "Addbutton");  // only one team chosen: a beep and what is missing
    QCOMPARE(ui().beeps, 1);
    ExpectOnlyMessage("Choose the two teams of the game before adding it.");

    // Reverse turns 20 at 3 into 3 at 20.
    Click(window, "Clabel_3");
    Click(window, "Reversebutton");
    Click(window, "Option1_5");
    Click(window, "Addbutton");
    auto* list = Control<QListWidget>(window, "List1");
    QCOMPARE(list->item(1)->text(), QString::fromLatin1(session().store.LocationName[3])
                                            .append(" at ")
                                            .append(QString::fromLatin1(name_20))
                                            .leftJustified(32) +
                                        "Thu");
    QCOMPARE(TextColour(Control<QWidget>(window, "Clabel_3")), qt::PaletteColour(8));
    Click(window, "Clabel_3");  // already listed: nothing
    QCOMPARE(Control<QLabel>(window, "gamelabel")->text(), QString());

    for (int team = 1; team <= 5; ++team) {  // six games in all
      Click(window, QStringLiteral("Clabel_%1").arg(team == 3 ? 16 : team));
      Click(window, QStringLiteral("Clabel_%1").arg(20 + team));
      Click(window, "Addbutton");
    }
    TypeOver(week, "4");
    QCOMPARE(week->palette().color(QPalette::Text), qt::PaletteColour(12));
    const std::string before = Snapshot();
    Click(window, "Savebutton");
    ExpectOnlyMessage("Insufficient information to save file.");
    QCOMPARE(Snapshot(), before);

    // Removing game 2 frees its teams and moves the later games up.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(list->item(2)).center());
    Click(window, "Removebutton");
    Click(window, "Removebutton");  // nothing is selected any more
    QCOMPARE(list->count(), 6);
    QCOMPARE(TextColour(Control<QWidget>(window, "Clabel_1")), qt::PaletteColour(0));
    QCOMPARE(TextColour(Control<QWidget>(window, "Clabel_21")), qt::PaletteColour(0));

    // Loading while games are listed asks first; No keeps the list.
    ui().answers.push_back(false);
    Click(window, "loadbutton");
    QCOMPARE(list->count(), 6);
    ui().answers.push_back(true);
    TypeOver(week, " 2");
    Click(window, "loadbutton");
    QCOMPARE(ui().questions.size(), std::size_t{2});
    QCOMPARE(ui().questions[0].text, std::string("Is it Ok to Clear Schedule list?"));
    QCOMPARE(ui().questions[0].caption, std::string("Tavrin Schedule"));
    QCOMPARE(list->count(), static_cast<int>(SeasonGames(1999, 2).size()) + 1);
    QCOMPARE(week->palette().color(QPalette::Text), qt::PaletteColour(1));
    QVERIFY(ui().messages.empty());
    QCOMPARE(Snapshot(), before);
    CloseWith(window, "Command1");
  }

  void statsEditorBoxes() {
    StatsEditorWindow* window = OpenStatsEditorWindow(session(), &main_window_);
    auto* week = Control<QLineEdit>(window, "Text1");
    auto* save = Control<QPushButton>(window, "Savebutton");
    for (const char* typed : {"-3", "abc", "", "9.5", "25"}) {
      TypeOver(week, typed);
      Click(window, "Loadbutton");
      ExpectOnlyMessage(
          "Please enter the week Number.\n\rEnter a week from 1 to 17, or 0 for the start of the "
          "season.");
      QVERIFY(!save->isEnabled());
    }
    TypeOver(week, "0");
    QTest::keyClick(week, Qt::Key_Return);  // Enter in the week box loads, as Load does
    QVERIFY(save->isEnabled());
    QCOMPARE(Control<QLineEdit>(window, "Text2_7")->text(), QStringLiteral("60"));
    Click(window, "Dnbutton");  // at team 1: nothing
    const QString first_team = QString::fromLatin1(session().store.LocationName[1]);
    QCOMPARE(Control<QLabel>(window, "Teamlabel")->text(), first_team);

    // A refused figure names its field, keeps the team shown and takes the focus.
    auto* losses = Control<QLineEdit>(window, "Text2_1");
    TypeOver(losses, "2.5");
    Click(window, "Upbutton");
    ExpectOnlyMessage("Losses of " + session().store.LocationName[1] +
                      " must be a whole number from 0 to 99.");
    QCOMPARE(Control<QLabel>(window, "Teamlabel")->text(), first_team);
    QCOMPARE(window->focusWidget(), losses);
    TypeOver(losses, "3");
    Click(window, "Upbutton");
    QCOMPARE(session().store.Losses[1], int16_t{3});
    QVERIFY(ui().messages.empty());

    TypeOver(week, "0");  // any change of the week disables Save until the next Load
    QVERIFY(!save->isEnabled());
    ui().answers.push_back(false);  // the typed figure is not dropped without a question
    Click(window, "Donebutton");
    QCOMPARE(ui().questions.size(), std::size_t{1});
    QCOMPARE(ui().questions[0].text, std::string("Discard the changes you typed?"));
    Click(window, "Loadbutton");
    QCOMPARE(session().store.Losses[1], int16_t{0});  // the unsaved edits are gone
    for (int step = 1; step <= 35; ++step) Click(window, "Upbutton");
    QCOMPARE(Control<QLabel>(window, "Teamlabel")->text(),
             QString::fromLatin1(session().store.LocationName[31]));

    // A block that cannot be read (a damaged record) leaves Save off.
    const auto statistics = season_->folder.path() / StatisticsFileName(1999);
    std::string bytes = ReadFileBytes(statistics);
    bytes.replace(7 * StatsRecordSize, StatsRecordSize, std::string(StatsRecordSize, '\xff'));
    WriteFileBytes(statistics, bytes);
    Click(window, "Loadbutton");
    ExpectOnlyMessage("Unable to Load the Statistics for Week 0.");
    QVERIFY(!save->isEnabled());

    Click(window, "Infobutton");
    QCOMPARE(ui().messages.size(), std::size_t{1});
    QCOMPARE(ui().messages[0].caption, std::string("Tavrin Information"));
    QCOMPARE(ui().messages[0].icon, MessageIcon::Information);
    QVERIFY(ui().messages[0].text.rfind("Use Caution when changing program statistics.\r\n", 0) ==
            0);
    CloseWith(window, "Donebutton");
  }

  void namesRefuseQuotesAndKeepToTheirLength() {
    NamesWindow* window = OpenNamesWindow(session(), &main_window_);
    auto* location = Control<QLineEdit>(window, "Text1_7");
    auto* team_name = Control<QLineEdit>(window, "Text2_7");
    TypeOver(location, "Thirteen Chars");
    QCOMPARE(location->text(), QStringLiteral("Thirteen Cha"));
    TypeOver(team_name, "Big\"Cats");
    QCOMPARE(team_name->text(), QStringLiteral("BigCats"));
    QVERIFY(!ui().messages.empty());
    QCOMPARE(ui().messages[0].text,
             std::string("A name cannot contain a double quote (\") or a line break."));
    ui().messages.clear();

    const std::string before = Snapshot();
    // Two teams of one location could not be told apart: refused before the question.
    const QString eighth = Control<QLineEdit>(window, "Text1_8")->text();
    TypeOver(window, "Text1_8", "thirteen cha");
    Click(window, "savebutton");
    ExpectOnlyMessage(
        "\"thirteen cha\" is the location of team # 7 and of team # 8.\n\r"
        "Each team needs a location of its own.");
    QVERIFY(ui().questions.empty());
    TypeOver(window, "Text1_8", eighth);
    ui().answers.push_back(false);
    Click(window, "savebutton");
    QCOMPARE(Snapshot(), before);
    Click(window, "savebutton");
    QVERIFY(Snapshot() != before);
    SeasonStore read_back;
    read_back.TeamCount = LeagueTeamCount;
    QVERIFY(ReadNames(read_back, season_->folder.path()));
    QCOMPARE(read_back.LocationName[7], std::string("Thirteen Cha"));
    QCOMPARE(read_back.TeamName[7], std::string("BigCats"));
    Click(window, "infobutton");
    QCOMPARE(ui().help_topics.back(), std::string("team names"));
    CloseWith(window, "donebutton");
  }

  void informationButtonsOpenTheirHelpTopics() {
    ScoreEntryWindow* scores = OpenScoresWindow(session(), LastWeek, &main_window_);
    Click(scores, "infobutton");
    CloseWith(scores, "donebutton");
    ScheduleEntryWindow* schedule = OpenScheduleWindow(session(), &main_window_);
    Click(schedule, "Infobutton");
    CloseWith(schedule, "Command1");
    SettingsWindow* settings = OpenSettingsWindow(session(), &main_window_);
    Click(settings, "infobutton");
    Click(settings, "fontbutton");
    QWidget* fonts = OpenWindow("Setfont");
    Click(fonts, "infobutton");
    Click(fonts, "donebutton");
    QTRY_VERIFY(settings->isEnabled());
    settings->close();
    QTRY_VERIFY(main_window_.isEnabled());
    QCOMPARE(ui().help_topics,
             (std::vector<std::string>{"Score Entry", "Schedule", "Fonts", "Fonts"}));
  }

  void settingsRefuseAYearOrWeekCountTheyCannotUse() {
    SettingsWindow* window = OpenSettingsWindow(session(), &main_window_);
    const std::string before = Snapshot();
    int beeps = 0;
    for (const char* year : {"1996", "abc", "", "-2000", "99999", "20", "1997.5"}) {
      TypeOver(window, "Text1", year);
      Click(window, "okbutton");
      QCOMPARE(ui().beeps, ++beeps);
      ExpectOnlyMessage(
          "The Working Year must be a year from 1997 to 9999, written with four digits.");
      QVERIFY(OpenWindow("Settingsform") != nullptr);
    }
    TypeOver(window, "Text1", "1998");
    for (const char* weeks : {"0", "abc", "-3", "999", "16.4"}) {
      TypeOver(window, "weekstext", weeks);
      Click(window, "okbutton");
      QCOMPARE(ui().messages.size(), std::size_t{1});
      ui().messages.clear();
    }
    QCOMPARE(Snapshot(), before);
    TypeOver(window, "weekstext", "16 ");
    Click(window, "okbutton");
    QTRY_VERIFY(main_window_.isEnabled());
    QCOMPARE(session().store.WorkingYear, int16_t{1998});
    QCOMPARE(session().store.WeeksInSeason, int16_t{16});
  }
};

int RunWindowInputTests(int argc, char** argv) {
  WindowInputTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "window_input_test.moc"
