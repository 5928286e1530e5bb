// The rating trend graph: the chart's geometry on a recording canvas, the team selection's
// double-click and beep rules, the chart window's legend and picture, and its printout.

#include <fmt/format.h>

#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <sstream>

#include "graphs/graph_selection_window.h"
#include "graphs/rating_chart.h"
#include "graphs/rating_graph_window.h"
#include "graphs/scorecard_window.h"
#include "platform/qt/latin1_text.h"
#include "platform/qt/secondary_window.h"
#include "platform/qt/twips.h"
#include "views_ui/view_test_support.h"

using namespace tavrin;
using namespace tavrin::testing;

namespace {

struct Segment {
  double x1, y1, x2, y2;
};

// The "lineto" events of a recording, in order.
std::vector<Segment> Segments(const std::vector<std::string>& events) {
  std::vector<Segment> segments;
  for (const std::string& event : events) {
    if (event.rfind("lineto:", 0) != 0) continue;
    Segment segment{};
    char comma = 0;
    std::istringstream in(event.substr(7));
    in >> segment.x1 >> comma >> segment.y1 >> comma >> segment.x2 >> comma >> segment.y2;
    segments.push_back(segment);
  }
  return segments;
}

// The mapping of a block's rating to the chart, written out from its definition.
ChartPoint Expected(int block, double rating) {
  return {700 + 380.0 * block, 4410 - (rating - 30) * 70};
}

bool Near(double a, double b) { return std::abs(a - b) < 0.01; }

void CheckSegment(const Segment& segment, ChartPoint from, ChartPoint to) {
  QVERIFY2(Near(segment.x1, from.x) && Near(segment.y1, from.y) && Near(segment.x2, to.x) &&
               Near(segment.y2, to.y),
           qPrintable(QString("segment %1,%2 - %3,%4")
                          .arg(segment.x1)
                          .arg(segment.y1)
                          .arg(segment.x2)
                          .arg(segment.y2)));
}

QListWidget* List(QWidget* window, const char* name) {
  return window->findChild<QListWidget*>(name);
}

void DoubleClickRow(QListWidget* list, int row) {
  const QRect rect = list->visualItemRect(list->item(row));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

template <typename Window>
Window* OpenWindow() {
  Window* found = nullptr;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* window = qobject_cast<Window*>(widget); window != nullptr && window->isVisible())
      found = window;
  }
  return found;
}

std::vector<double> RecordedSeries(int team) {
  for (const std::string& line : GoldenReportLines("rating_series.csv")) {
    std::istringstream in(line);
    std::string cell;
    std::getline(in, cell, ',');
    if (cell != std::to_string(team)) continue;
    std::vector<double> values;
    while (std::getline(in, cell, ',')) values.push_back(std::stod(cell));
    return values;
  }
  return {};
}

constexpr int Jacksonville = 9, StLouis = 30;

}  // namespace

class GraphWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void CurvesFollowTheMappingWithClampingAndGaps() {
    RecordingPrinter canvas;
    RatingSeries series{};
    series[0] = 60;
    series[1] = 62.5f;
    series[2] = 95;  // above the range: drawn on its top edge
    series[4] = 20;  // below the range: drawn on the week axis
    series[18] = 70;
    series[19] = 75;  // beyond the drawn blocks
    DrawRatingCurve(canvas, series, TeamOneCurveColour);
    QCOMPARE(canvas.events.front(), std::string("pen:12,2"));
    const auto segments = Segments(canvas.events);
    QCOMPARE(segments.size(), std::size_t{5});
    CheckSegment(segments[0], Expected(0, 60), Expected(0, 60));
    CheckSegment(segments[1], Expected(0, 60), Expected(1, 62.5));
    CheckSegment(segments[2], Expected(1, 62.5), Expected(2, 90));
    CheckSegment(segments[3], Expected(2, 90), Expected(4, 30));  // block 3 has no value
    CheckSegment(segments[4], Expected(4, 30), Expected(18, 70));
  }

  void AStartWithoutRecordedWeeksIsADash() {
    RecordingPrinter canvas;
    RatingSeries series{};
    series[0] = 60;
    DrawRatingCurve(canvas, series, TeamTwoCurveColour);
    const auto segments = Segments(canvas.events);
    QCOMPARE(segments.size(), std::size_t{2});
    const ChartPoint start = Expected(0, 60);
    CheckSegment(segments[0], start, {start.x + 30, start.y});
    CheckSegment(segments[1], {start.x + 30, start.y}, start);
  }

  void GridAxesAndLabelsStandWhereDesigned() {
    RecordingPrinter canvas;
    DrawRatingGrid(canvas);
    DrawAxisTitles(canvas);
    const auto& events = canvas.events;
    const auto segments = Segments(events);
    QCOMPARE(segments.size(), std::size_t{2 + 12});
    CheckSegment(segments[0], {660, 150}, {660, 4420});
    CheckSegment(segments[1], {660, 4420}, {8800, 4420});
    CheckSegment(segments[2], {670, 4050}, {8800, 4050});
    CheckSegment(segments[13], {670, 200}, {8800, 200});
    const auto has = [&events](const std::string& event) {
      return std::find(events.begin(), events.end(), event) != events.end();
    };
    QVERIFY(has("penstyle:dotted"));
    QCOMPARE(events.back(), std::string("text:") + fmt::format("{},{},G", 0.013 * ChartAreaWidth,
                                                               0.3 * ChartAreaHeight + 1200));
    QVERIFY(has("text:340,3960,35"));
    QVERIFY(has("text:340,2210,60"));
    QVERIFY(has("text:340,110,90"));
    QVERIFY(has("text:1025,4460,1"));  // weeks below 10 stand 45 further right
    QVERIFY(has("text:7060,4460,17"));
    QVERIFY(
        has(fmt::format("text:{},{},I", 0.013 * ChartAreaWidth + 20, 0.3 * ChartAreaHeight + 800)));
    QVERIFY(has(
        fmt::format("text:{},{},          Week #", 0.4 * ChartAreaWidth, 0.95 * ChartAreaHeight)));
    // The grid ends solid again, so the curves are drawn solid.
    QCOMPARE(std::count(events.begin(), events.end(), "penstyle:solid"), 2);
  }

  void OneTeamIsChosenByDoubleClickAndDrawn() {
    TAVRIN_QSKIP_WITHOUT_SHARED_DATA();
    SeasonCopy season;
    QVERIFY(season.opened);
    QWidget* selection =
        OpenGraphSelectionWindow(season.session, GraphOneTeam, &season.main_window);
    QCOMPARE(selection->windowTitle(), QString("Tavrin Rating Trends"));
    QVERIFY(!season.main_window.isEnabled());
    QVERIFY(List(selection, "List2")->isHidden());
    QCOMPARE(List(selection, "List1")->count(), 31);
    QCOMPARE(List(selection, "List1")->mapTo(selection, QPoint(0, 0)).x(),
             qt::TwipsToPixelsX(2640));

    DoubleClickRow(List(selection, "List1"), Jacksonville - 1);
    SettleClosedWindows();
    auto* graph = OpenWindow<RatingGraphWindow>();
    QVERIFY(graph != nullptr);
    QVERIFY(OpenWindow<GraphSelectionWindow>() == nullptr);
    QVERIFY(!season.main_window.isEnabled());
    QCOMPARE(graph->windowTitle(),
             "Tavrin Rating Trends - " + qt::FromLatin1(season.store.LocationName[Jacksonville] +
                                                        " " + season.store.TeamName[Jacksonville]));
    QCOMPARE(season.store.GraphTeamOne, Jacksonville);
    const auto recorded = RecordedSeries(Jacksonville);
    for (std::size_t block = 0; block < recorded.size(); ++block) {
      QCOMPARE(graph->chart().one[block], static_cast<float>(recorded[block]));
    }
    QCOMPARE(graph->findChild<QLabel*>("Lab2_1")->text(), QString("Jacksonville Jaguars"));
    QVERIFY(graph->findChild<QLabel*>("Lab2_2")->isHidden());
    QVERIFY(graph->findChild<QWidget*>("Line1_1")->isHidden());

    // The picture shows team one's light red curve through the points of its ratings.
    auto* picture = graph->findChild<QWidget*>("Picture1");
    const QImage image = picture->grab().toImage();
    const double pixels_per_twip = picture->logicalDpiX() / 1440.0;
    for (int block : {0, 5, 12, 17}) {
      const ChartPoint point = Expected(block, recorded[static_cast<std::size_t>(block)]);
      const QColor colour =
          image.pixelColor(qRound(point.x * pixels_per_twip), qRound(point.y * pixels_per_twip));
      QVERIFY2(colour.red() > 180 && colour.green() < 120, qPrintable(colour.name()));
    }
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
    QVERIFY(OpenWindow<RatingGraphWindow>() == nullptr);
    selection->findChild<QPushButton*>("okbutton")->click();  // the second team is missing
    QCOMPARE(season.ui.beeps, 2);
    QCOMPARE(season.store.GraphTeamOne, StLouis);
    DoubleClickRow(List(selection, "List2"), Jacksonville - 1);
    SettleClosedWindows();
    auto* graph = OpenWindow<RatingGraphWindow>();
    QVERIFY(graph != nullptr);
    QCOMPARE(graph->findChild<QLabel*>("Lab2_1")->text(), QString("St. Louis Rams"));
    QCOMPARE(graph->findChild<QLabel*>("Lab2_2")->text(), QString("Jacksonville Jaguars"));
    QVERIFY(!graph->findChild<QWidget*>("Line1_1")->isHidden());

    graph->findChild<QPushButton*>("infobutton")->click();
    QCOMPARE(season.ui.messages.back().caption, std::string("Tavrin"));
    QCOMPARE(season.ui.messages.back().icon, MessageIcon::None);
    QVERIFY(season.ui.messages.back().text.find(
                "'evolves' from one week to the next\n\rthroughout") != std::string::npos);

    // Printing: the chart scaled onto the page, the legend below it, the date at the foot.
    season.ui.printer.events.clear();
    graph->findChild<QPushButton*>("printbutton")->click();
    QCOMPARE(season.ui.questions.back().text, std::string("Ready to send chart to Printer"));
    const auto& events = season.ui.printer.events;
    const double width = season.ui.printer.page_width, height = season.ui.printer.page_height;
    const double scale_x = width / 1.1 / ChartAreaWidth, scale_y = height / 2.5 / ChartAreaHeight;
    const auto segments = Segments(events);
    // Grid (14 lines), each curve's first point and 17 weeks, then two legend strokes.
    QCOMPARE(segments.size(), std::size_t{14 + 18 + 18 + 2});
    const ChartPoint first = Expected(1, RecordedSeries(StLouis)[1]);
    const Segment& drawn = segments[14 + 1];
    QVERIFY(Near(drawn.x2, width / 20 + first.x * scale_x) &&
            Near(drawn.y2, height / 10 + first.y * scale_y));
    // The axis running past the area's right edge is cut there.
    QVERIFY(Near(segments[1].x2, width / 20 + ChartAreaWidth * scale_x));
    CheckSegment(segments[segments.size() - 2], {0.2 * width, height / 1.9},
                 {0.2 * width + width / 50, height / 1.9});
    CheckSegment(segments.back(), {0.55 * width, height / 1.9},
                 {0.55 * width + width / 50, height / 1.9});
    const std::vector<std::string> tail(events.end() - 11, events.end());
    const std::vector<std::string> expected_tail{
        "pen:4,6",
        fmt::format("lineto:{},{},{},{}", 0.55 * width, height / 1.9, 0.55 * width + width / 50,
                    height / 1.9),
        "pen:0,6",
        // With no report font chosen, the font the printer preparation selected.
        "canvasfont:" + season.ui.printer.current_font + ",10,bold",
        fmt::format("text:{},{}, St. Louis Rams", 0.55 * width + width / 50, 0.518 * height),
        "canvasfont:" + season.ui.printer.current_font + ",9,bold",
        fmt::format("text:{},{},{}", 0.85 * width, 0.9 * height, season.ui.today), "end"};
    QCOMPARE(std::vector<std::string>(tail.begin() + 3, tail.end()), expected_tail);
    QVERIFY(std::find(events.begin(), events.end(),
                      fmt::format("text:{},{}, Jacksonville Jaguars", 0.2 * width + width / 50,
                                  0.518 * height)) != events.end());
    graph->close();
    SettleClosedWindows();
  }

  void TheSameTeamTwiceGivesOneTeamAndSelectTeamsShowsOneList() {
    TAVRIN_QSKIP_WITHOUT_SHARED_DATA();
    SeasonCopy season;
    QVERIFY(season.opened);
    QWidget* selection =
        OpenGraphSelectionWindow(season.session, GraphTwoTeams, &season.main_window);
    List(selection, "List1")->setCurrentRow(4);
    List(selection, "List2")->setCurrentRow(4);
    selection->findChild<QPushButton*>("okbutton")->click();
    SettleClosedWindows();
    QCOMPARE(season.store.GraphMode, 1);
    auto* graph = OpenWindow<RatingGraphWindow>();
    QVERIFY(graph->findChild<QLabel*>("Lab2_2")->isHidden());

    season.ui.answers = {false};
    graph->findChild<QPushButton*>("printbutton")->click();
    QVERIFY(season.ui.printer.events.empty());

    graph->findChild<QPushButton*>("selteamsbutton")->click();
    SettleClosedWindows();
    QVERIFY(OpenWindow<RatingGraphWindow>() == nullptr);
    auto* again = OpenWindow<GraphSelectionWindow>();
    QVERIFY(again != nullptr);
    QVERIFY(List(again, "List2")->isHidden());
    QVERIFY(!season.main_window.isEnabled());
    again->findChild<QPushButton*>("cancelbutton")->click();
    SettleClosedWindows();
    QVERIFY(season.main_window.isEnabled());
    QCOMPARE(qt::OpenSecondaryWindowCount(&season.main_window), 0);
  }

  void ScorecardShowsItsTableAndChartAndPrintsThem() {
    TAVRIN_QSKIP_WITHOUT_SHARED_DATA();
    SeasonCopy before_week_one("start");
    QWidget* refused = OpenScorecardWindow(before_week_one.session, &before_week_one.main_window);
    QVERIFY(Refused(before_week_one, refused,
                    "Cannot Complete Action....\n\rScores must be current thru Week # 1."));

    SeasonCopy season;
    auto* window =
        qobject_cast<ScorecardWindow*>(OpenScorecardWindow(season.session, &season.main_window));
    QVERIFY(window != nullptr && window->isVisible() && !season.main_window.isEnabled());
    const auto lines = ListLines(window);
    QCOMPARE(lines.front(),
             std::string("                   Season Scorecard thru Week # 17  1999"));
    QCOMPARE(lines.size(), std::size_t{2 + 2 + 17 + 2 + 1});
    QCOMPARE(window->chart().tavrin.size(), std::size_t{17});
    QVERIFY(window->findChild<QWidget*>("PickChart")->isVisible());

    window->findChild<QPushButton*>("printbutton")->click();
    const auto& events = season.ui.printer.events;
    QCOMPARE(season.ui.questions.back().text,
             std::string("Ready to send Scorecard to the Printer."));
    QVERIFY(std::find(events.begin(), events.end(), "end") != events.end());
    QVERIFY(std::any_of(events.begin(), events.end(), [&](const std::string& event) {
      return event.find(lines.front()) != std::string::npos;
    }));
    window->findChild<QPushButton*>("donebutton")->click();
    SettleClosedWindows();
    QVERIFY(season.main_window.isEnabled());
  }
};

QTEST_MAIN(GraphWindowsTest)
#include "graph_windows_test.moc"
