// The rating trend graph's windows: the team selection's double-click and beep rules, and the
// chart window it opens with the chosen teams.

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <sstream>

#include "entry_ui/window_fixture.h"
#include "graphs/graph_selection_window.h"
#include "graphs/rating_chart.h"
#include "graphs/rating_graph_window.h"

using namespace tavrin;
using namespace tavrin::testing;

namespace {

// The heights the "lineto" events of a recording end at, in order.
std::vector<double> LineEndHeights(const std::vector<std::string>& events) {
  std::vector<double> heights;
  for (const std::string& event : events) {
    if (event.rfind("lineto:", 0) != 0) continue;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    char comma = 0;
    std::istringstream(event.substr(7)) >> x1 >> comma >> y1 >> comma >> x2 >> comma >> y2;
    heights.push_back(y2);
  }
  return heights;
}

QListWidget* List(QWidget* window, const char* name) {
  return window->findChild<QListWidget*>(name);
}

void DoubleClickRow(QListWidget* list, int row) {
  const QRect rect = list->visualItemRect(list->item(row));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

RatingGraphWindow* OpenGraph() { return qobject_cast<RatingGraphWindow*>(OpenWindow("GRform")); }

constexpr int Jacksonville = 9, StLouis = 30;

}  // namespace

class GraphWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  // Ratings beyond the chart's range of 30 to 90 are drawn on its edges, not off the chart.
  void CurvesAreClampedToTheChart() {
    RecordingPrinter canvas;
    RatingSeries series{};
    series[0] = 60;
    series[1] = 95;
    series[2] = 20;
    DrawRatingCurve(canvas, series, TeamOneCurveColour);
    const std::vector<double> expected{4410 - 30 * 70, 4410 - 60 * 70, 4410};
    QCOMPARE(LineEndHeights(canvas.events), expected);
  }

  void OneTeamIsChosenByDoubleClickAndDrawn() {
    TAVRIN_QSKIP_WITHOUT_SHARED_DATA();
    SeasonCopy season;
    QVERIFY(season.opened);
    QWidget* selection =
        OpenGraphSelectionWindow(season.session, GraphOneTeam, &season.main_window);
    QVERIFY(!season.main_window.isEnabled());
    QVERIFY(List(selection, "List2")->isHidden());

    DoubleClickRow(List(selection, "List1"), Jacksonville - 1);
    SettleClosedWindows();
    auto* graph = OpenGraph();
    QVERIFY(graph != nullptr);
    QVERIFY(OpenWindow("Selgraphform") == nullptr);
    QVERIFY(!season.main_window.isEnabled());
    QCOMPARE(season.store.GraphTeamOne, Jacksonville);
    QCOMPARE(graph->findChild<QLabel*>("Lab2_1")->text(), QString("Jacksonville Jaguars"));
    QVERIFY(graph->findChild<QLabel*>("Lab2_2")->isHidden());
    QVERIFY(graph->findChild<QWidget*>("Line1_1")->isHidden());

    graph->findChild<QPushButton*>("donebutton")->click();
    SettleClosedWindows();
    QVERIFY(season.main_window.isEnabled());
  }

  void TwoTeamsNeedBothListsAndBeepWhenIncomplete() {
    TAVRIN_QSKIP_WITHOUT_SHARED_DATA();
    SeasonCopy season;
    QVERIFY(season.opened);
    QWidget* selection =
        OpenGraphSelectionWindow(season.session, GraphTwoTeams, &season.main_window);
    QVERIFY(!List(selection, "List2")->isHidden());
    selection->findChild<QPushButton*>("okbutton")->click();
    QCOMPARE(season.ui.beeps, 1);
    DoubleClickRow(List(selection, "List1"), StLouis - 1);  // only selects in this mode
    SettleClosedWindows();
    QVERIFY(OpenGraph() == nullptr);
    selection->findChild<QPushButton*>("okbutton")->click();  // the second team is missing
    QCOMPARE(season.ui.beeps, 2);
    QCOMPARE(season.store.GraphTeamOne, StLouis);
    DoubleClickRow(List(selection, "List2"), Jacksonville - 1);
    SettleClosedWindows();
    auto* graph = OpenGraph();
    QVERIFY(graph != nullptr);
    QCOMPARE(graph->findChild<QLabel*>("Lab2_1")->text(), QString("St. Louis Rams"));
    QCOMPARE(graph->findChild<QLabel*>("Lab2_2")->text(), QString("Jacksonville Jaguars"));
    QVERIFY(!graph->findChild<QWidget*>("Line1_1")->isHidden());

    graph->findChild<QPushButton*>("infobutton")->click();
    QCOMPARE(season.ui.messages.back().caption, std::string("Tavrin"));
    season.ui.answers = {false};
    graph->findChild<QPushButton*>("printbutton")->click();
    QCOMPARE(season.ui.questions.back().text, std::string("Ready to send chart to Printer"));
    graph->close();
    SettleClosedWindows();
  }
};

QTEST_MAIN(GraphWindowsTest)
#include "graph_windows_test.moc"
