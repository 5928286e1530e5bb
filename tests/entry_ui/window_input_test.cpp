// The data entry windows' wiring: a refused box takes the focus, typed work is not dropped
// without a question, the pairing picks enable the game box, Enter and the information buttons
// reach their commands.

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "entry/schedule_window.h"
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

  void CloseWith(QWidget* window, const char* button) {
    Click(window, button);
    QTRY_VERIFY(main_window_.isEnabled());
  }

 private slots:
  void initTestCase() {
    TAVRIN_QSKIP_WITHOUT_SHARED_DATA();
    main_window_.show();
  }

  void init() { season_ = std::make_unique<SeasonCopy>(); }

  // A box that holds no score is refused, the focus goes to it, and typed scores are not
  // thrown away without a question.
  void scoresRefusalTakesTheFocusAndClosingAsks() {
    const std::string before = Snapshot();
    ScoreEntryWindow* window = OpenScoresWindow(session(), LastWeek, &main_window_);
    QVERIFY(window != nullptr);
    for (int game = 1; game <= session().store.WeekGameCount; ++game) {
      TypeOver(window, QStringLiteral("FTTEXT_%1").arg(game), "7");
      TypeOver(window, QStringLiteral("STTEXT_%1").arg(game), game == 3 ? "ab-1.5\"x" : "7");
    }
    Click(window, "resultsbutton");
    QCOMPARE(ui().messages.size(), std::size_t{1});
    QCOMPARE(window->focusWidget(), Control<QLineEdit>(window, "STTEXT_3"));
    QVERIFY(Control<QPushButton>(window, "resultsbutton")->isEnabled());
    QCOMPARE(Snapshot(), before);

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
    auto* week = Control<QLineEdit>(window, "Text2");
    TypeOver(week, "18");
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
    QCOMPARE(ClippedControls(window), QStringList());
    Click(window, "Clabel_3");
    QCOMPARE(Control<QLabel>(window, "gamelabel")->text(), QString());

    // Loading while games are listed asks first; No keeps the list.
    const std::string before = Snapshot();
    TypeOver(week, "2");
    ui().answers = {false, true};
    Click(window, "loadbutton");
    QCOMPARE(list->count(), 2);
    Click(window, "loadbutton");
    QCOMPARE(ui().questions.size(), std::size_t{2});
    QCOMPARE(list->count(), static_cast<int>(SeasonGames(1999, 2).size()) + 1);
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
    QCOMPARE(ClippedControls(fonts), QStringList());
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
