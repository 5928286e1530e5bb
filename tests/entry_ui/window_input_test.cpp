// The data entry windows' wiring: a refused box takes the focus, typed work is not dropped
// without a question, the pairing picks enable the game box, Enter and the information buttons
// reach their commands.

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "engine/results_processing.h"
#include "entry/schedule_window.h"
#include "entry/score_entry.h"
#include "entry/scores_window.h"
#include "entry/settings_window.h"
#include "entry_ui/window_fixture.h"
#include "platform/qt/palette.h"

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

  void init() { season_ = std::make_unique<SeasonCopy>(); }

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
    ui().messages.clear();
    QCOMPARE(window->focusWidget(), Control<QLineEdit>(window, last));
    QVERIFY(Control<QPushButton>(window, "resultsbutton")->isEnabled());
    QCOMPARE(Snapshot(), before);

    // Typed scores are not thrown away without a question; No keeps the window open.
    ui().answers.push_back(false);
    Click(window, "cancelbutton");
    QCOMPARE(ui().questions.size(), std::size_t{1});
    QCOMPARE(ui().questions[0].text, std::string("Discard the changes you typed?"));
    QCOMPARE(OpenWindow("Scores"), window);
    window->close();  // the close box asks too; Yes closes
    QCOMPARE(ui().questions.size(), std::size_t{2});
    QTRY_VERIFY(main_window_.isEnabled());
    QCOMPARE(Snapshot(), before);
  }

  void scheduleWeekBoxAndPairings() {
    ScheduleEntryWindow* window = OpenScheduleWindow(session(), &main_window_);
    auto* week = Control<QLineEdit>(window, "Text2");
    TypeOver(week, "18");
    Click(window, "loadbutton");
    ExpectOnlyMessage("Please enter the week Number.");

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
    Click(window, "Addbutton");  // only one team chosen: a beep and what is missing
    QCOMPARE(ui().beeps, 1);
    ExpectOnlyMessage("Choose the two teams of the game before adding it.");

    // Reverse turns 20 at 3 into 3 at 20.
    Click(window, "Clabel_3");
    QVERIFY(Control<QWidget>(window, "gamebox")->isEnabled());
    Click(window, "Reversebutton");
    Click(window, "Option1_5");
    Click(window, "Addbutton");
    auto* list = Control<QListWidget>(window, "List1");
    QCOMPARE(list->count(), 2);
    QCOMPARE(TextColour(Control<QWidget>(window, "Clabel_3")), qt::PaletteColour(8));
    Click(window, "Clabel_3");  // already listed: nothing
    QCOMPARE(Control<QLabel>(window, "gamelabel")->text(), QString());

    // Loading while games are listed asks first; No keeps the list.
    const std::string before = Snapshot();
    TypeOver(week, "2");
    ui().answers = {false, true};
    Click(window, "loadbutton");
    QCOMPARE(list->count(), 2);
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
};

QTEST_MAIN(WindowInputTest)

#include "window_input_test.moc"
