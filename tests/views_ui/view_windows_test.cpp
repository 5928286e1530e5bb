// The view windows' wiring over the final 1999 season: the report windows' keys, team choice and
// sort buttons; the single game predictions' picks by mouse and by keys; the rating graph's team
// selection in each mode and the chart it opens.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "analysis/specials_window.h"
#include "entry_ui/window_fixture.h"
#include "graphs/graph_selection_window.h"
#include "graphs/rating_graph_window.h"
#include "platform/qt/latin1_text.h"
#include "platform/qt/palette.h"
#include "reports/statistics_window.h"
#include "reports/team_results_window.h"
#include "reports/weekly_results_window.h"

using namespace tavrin;
using namespace tavrin::testing;

namespace {

// The lines of the window's list, as Latin-1.
std::vector<std::string> ListLines(QWidget* window) {
  std::vector<std::string> lines;
  auto* list = Control<QListWidget>(window, "List1");
  for (int row = 0; list != nullptr && row < list->count(); ++row)
    lines.push_back(qt::ToLatin1(list->item(row)->text()));
  return lines;
}
// Runs the deletions closing windows left pending, so a closed window is gone.
void SettleClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
QString Text(QWidget* window, const char* label) { return Control<QLabel>(window, label)->text(); }
QColor LabelColour(QWidget* window, int team) {
  return Control<QLabel>(window, QString("Clabel_%1").arg(team))
      ->palette()
      .color(QPalette::WindowText);
}
void DoubleClickRow(QWidget* window, const char* list_name, int row) {
  auto* list = Control<QListWidget>(window, list_name);
  const QRect rect = list->visualItemRect(list->item(row));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
  SettleClosedWindows();
}

constexpr int Buffalo = 1, Jacksonville = 9, StLouis = 30;

}  // namespace

class ViewWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void KeysCloseReportWindowsPrintAndOpenTheirHelp() {
    using Open = QWidget* (*)(SeasonCopy&);
    const Open windows[] = {
        [](SeasonCopy& s) { return OpenWeeklyResultsWindow(s.session, 4, &s.main_window); },
        [](SeasonCopy& s) { return OpenStatisticsWindow(s.session, 3, &s.main_window); }};
    for (const Open open : windows) {
      for (const QKeySequence& close_key :
           {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        SeasonCopy season;
        QPointer<QWidget> window = open(season);
        QVERIFY(window != nullptr);
        QApplication::setActiveWindow(window);
        season.ui.answers = {false};
        QTest::keySequence(window.data(), QKeySequence::Print);
        QCOMPARE(season.ui.questions.size(), std::size_t{1});
        QTest::keySequence(window.data(), QKeySequence::HelpContents);
        if (window->findChild<QPushButton*>("infobutton") != nullptr)
          QCOMPARE(season.ui.help_topics.size(), std::size_t{1});
        QTest::keySequence(window.data(), close_key);
        SettleClosedWindows();
        QVERIFY(window.isNull());
        QVERIFY(season.main_window.isEnabled());
      }
    }
  }

  void TeamResultsAcceptOnDoubleClickAndCloseWithoutAChoice() {
    SeasonCopy season;
    QPointer<QWidget> window = OpenTeamResultsWindow(season.session, &season.main_window);
    auto* combo = Control<QComboBox>(window, "Combo1");
    combo->setEditText(qt::FromLatin1(season.store.TeamName[20]));
    QTest::mouseDClick(combo->lineEdit(), Qt::LeftButton);
    QCOMPARE(ListLines(window), GoldenReport("1999", "team_results_20.txt"));
    window->close();
    SettleClosedWindows();

    window = OpenTeamResultsWindow(season.session, &season.main_window);
    Click(window, "schbutton");
    SettleClosedWindows();
    QVERIFY(window.isNull());
    QVERIFY(season.main_window.isEnabled());
  }

  void StatisticsSortButtonsReorderTheList() {
    SeasonCopy season;
    QWidget* window = OpenStatisticsWindow(season.session, 17, &season.main_window);
    QVERIFY(window != nullptr);
    const std::pair<const char*, const char*> sorts[] = {{"Option1_0", "sort0_quality_rating"},
                                                         {"Option1_3", "sort3_ave_defense"},
                                                         {"Option1_1", "sort1_percentage"}};
    for (const auto& [button, report] : sorts) {
      Control<QRadioButton>(window, button)->click();
      QCOMPARE(ListLines(window),
               GoldenReport("1999", std::string("statistics_block_17_") + report + ".txt"));
    }
  }

  // Picks by Space and by click, then Enter on the predict button, give the recorded line.
  void SpecialsPickByKeysOrMouseReverseAndPredictAsRecorded() {
    SeasonCopy season;
    QWidget* window = OpenSpecialsWindow(season.session, &season.main_window);
    QApplication::setActiveWindow(window);
    // Tab walks the teams in team order, then the window's controls, and comes round again.
    QWidget* first_team = Control<QWidget>(window, "Clabel_1");
    first_team->setFocus();
    QStringList walk;
    do {
      walk << QApplication::focusWidget()->objectName();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    } while (QApplication::focusWidget() != first_team && walk.size() < 80);
    QStringList teams;
    for (int team = 1; team <= 31; ++team) teams << QString("Clabel_%1").arg(team);
    QCOMPARE(walk.mid(0, 31), teams);
    for (const char* control : {"predictbutton", "Printbutton", "donebutton"})
      QVERIFY2(walk.contains(control), control);

    QWidget* jacksonville = Control<QWidget>(window, QString("Clabel_%1").arg(Jacksonville));
    jacksonville->setFocus();
    QTest::keyClick(jacksonville, Qt::Key_Space);
    QCOMPARE(LabelColour(window, Jacksonville), qt::PaletteColour(SpecialsWindow::PickedColour));
    QCOMPARE(Text(window, "gamelabel"), QString("Jacksonville at "));
    QVERIFY(!Control<QWidget>(window, "gamebox")->isEnabled());
    Click(window, QString("Clabel_%1").arg(Buffalo));
    QVERIFY(Control<QWidget>(window, "gamebox")->isEnabled());
    Click(window, "reversebutton");
    QCOMPARE(Text(window, "gamelabel"), QString("Buffalo at Jacksonville"));
    auto* predict = Control<QPushButton>(window, "predictbutton");
    predict->setFocus();
    QTest::keyClick(predict, Qt::Key_Return);
    QCOMPARE(ListLines(window).back(), GoldenReport("1999", "specials_after_week_17.txt")[1]);
    QCOMPARE(LabelColour(window, Buffalo), qt::PaletteColour(SpecialsWindow::UnpickedColour));
    QCOMPARE(Text(window, "gamelabel"), QString());
    window->close();
  }

  void OneTeamIsChosenByDoubleClickAndDrawn() {
    SeasonCopy season;
    QWidget* selection =
        OpenGraphSelectionWindow(season.session, GraphOneTeam, &season.main_window);
    QVERIFY(Control<QWidget>(selection, "List2")->isHidden());
    DoubleClickRow(selection, "List1", Jacksonville - 1);
    QWidget* graph = OpenWindow("GRform");
    QVERIFY(graph != nullptr);
    QVERIFY(OpenWindow("Selgraphform") == nullptr);
    QVERIFY(!season.main_window.isEnabled());
    QCOMPARE(Text(graph, "Lab2_1"), QString("Jacksonville Jaguars"));
    QVERIFY(Control<QWidget>(graph, "Lab2_2")->isHidden());
    QVERIFY(Control<QWidget>(graph, "Line1_1")->isHidden());
    Click(graph, "donebutton");
    SettleClosedWindows();
    QVERIFY(season.main_window.isEnabled());
  }

  // With two teams a double-click only selects; OK opens the chart once both lists are chosen.
  void TwoTeamsNeedBothListsAndTheirButtonsWork() {
    SeasonCopy season;
    QWidget* selection =
        OpenGraphSelectionWindow(season.session, GraphTwoTeams, &season.main_window);
    DoubleClickRow(selection, "List1", StLouis - 1);
    QVERIFY(OpenWindow("GRform") == nullptr);
    Click(selection, "okbutton");
    QCOMPARE(season.ui.beeps, 1);
    DoubleClickRow(selection, "List2", Jacksonville - 1);
    QWidget* graph = OpenWindow("GRform");
    QVERIFY(graph != nullptr);
    QCOMPARE(Text(graph, "Lab2_1"), QString("St. Louis Rams"));
    QCOMPARE(Text(graph, "Lab2_2"), QString("Jacksonville Jaguars"));
    QVERIFY(!Control<QWidget>(graph, "Line1_1")->isHidden());

    Click(graph, "infobutton");
    QCOMPARE(season.ui.messages.size(), std::size_t{1});
    season.ui.answers = {false};
    Click(graph, "printbutton");
    QCOMPARE(season.ui.questions.size(), std::size_t{1});
    graph->close();
    SettleClosedWindows();
  }
};

QTEST_MAIN(ViewWindowsTest)
#include "view_windows_test.moc"
