// The rating trend graph's windows: the team selection's double-click in each mode, and the
// chart window it opens with the chosen teams.

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "entry_ui/window_fixture.h"
#include "graphs/graph_selection_window.h"
#include "graphs/rating_graph_window.h"

using namespace tavrin;
using namespace tavrin::testing;

namespace {

void DoubleClickRow(QWidget* window, const char* list_name, int row) {
  auto* list = window->findChild<QListWidget*>(list_name);
  const QRect rect = list->visualItemRect(list->item(row));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
  SettleClosedWindows();
}

QString Caption(QWidget* graph, const char* label) {
  return graph->findChild<QLabel*>(label)->text();
}

constexpr int Jacksonville = 9, StLouis = 30;

}  // namespace

class GraphWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { TAVRIN_QSKIP_WITHOUT_SHARED_DATA(); }

  void OneTeamIsChosenByDoubleClickAndDrawn() {
    SeasonCopy season;
    QWidget* selection =
        OpenGraphSelectionWindow(season.session, GraphOneTeam, &season.main_window);
    QVERIFY(selection->findChild<QListWidget*>("List2")->isHidden());
    DoubleClickRow(selection, "List1", Jacksonville - 1);
    QWidget* graph = OpenWindow("GRform");
    QVERIFY(graph != nullptr);
    QVERIFY(OpenWindow("Selgraphform") == nullptr);
    QVERIFY(!season.main_window.isEnabled());
    QCOMPARE(Caption(graph, "Lab2_1"), QString("Jacksonville Jaguars"));
    QVERIFY(graph->findChild<QLabel*>("Lab2_2")->isHidden());
    QVERIFY(graph->findChild<QWidget*>("Line1_1")->isHidden());
    graph->findChild<QPushButton*>("donebutton")->click();
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
    selection->findChild<QPushButton*>("okbutton")->click();
    QCOMPARE(season.ui.beeps, 1);
    DoubleClickRow(selection, "List2", Jacksonville - 1);
    QWidget* graph = OpenWindow("GRform");
    QVERIFY(graph != nullptr);
    QCOMPARE(Caption(graph, "Lab2_1"), QString("St. Louis Rams"));
    QCOMPARE(Caption(graph, "Lab2_2"), QString("Jacksonville Jaguars"));
    QVERIFY(!graph->findChild<QWidget*>("Line1_1")->isHidden());

    graph->findChild<QPushButton*>("infobutton")->click();
    QCOMPARE(season.ui.messages.size(), std::size_t{1});
    season.ui.answers = {false};
    graph->findChild<QPushButton*>("printbutton")->click();
    QCOMPARE(season.ui.questions.size(), std::size_t{1});
    graph->close();
    SettleClosedWindows();
  }
};

QTEST_MAIN(GraphWindowsTest)
#include "graph_windows_test.moc"
