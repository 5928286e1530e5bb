// The report windows over a recorded season: the lists they show, the refusals, the sideways
// scroll, the keys, copying lines, and what their print buttons send to the printer.

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include "platform/qt/latin1_text.h"
#include "platform/qt/secondary_window.h"
#include "platform/qt/twips.h"
#include "reports/statistics_window.h"
#include "reports/team_results_window.h"
#include "reports/weekly_results_window.h"
#include "views_ui/view_test_support.h"

using namespace tavrin;
using namespace tavrin::testing;

namespace {

QPushButton* Button(QWidget* window, const char* name) {
  return window->findChild<QPushButton*>(name);
}

// Every body line of a results printout is followed by a line holding one space.
void CheckResultsPrintout(const std::vector<std::string>& printed,
                          const std::vector<std::string>& list) {
  QCOMPARE(printed.size(), 1 + 4 + 1 + 2 * (list.size() - 1));
  for (int line = 0; line < 5; ++line) QCOMPARE(printed[line], std::string(" "));
  QCOMPARE(printed[5], list[0] + "   ");
  for (std::size_t line = 1; line < list.size(); ++line) {
    QCOMPARE(printed[4 + 2 * line], list[line] + "     ");
    QCOMPARE(printed[5 + 2 * line], std::string(" "));
  }
}

// The position of the first event of `kind` in the printer's record.
std::ptrdiff_t EventAt(const RecordingPrinter& printer, const std::string& event) {
  const auto found = std::find(printer.events.begin(), printer.events.end(), event);
  return found == printer.events.end() ? -1 : found - printer.events.begin();
}

}  // namespace

class ReportWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void WeeklyResultsShowTheWeekAndPrintIt() {
    TAVRIN_QSKIP_WITHOUT_SHARED_DATA();
    SeasonCopy season;
    QVERIFY(season.opened);
    season.main_window.show();
    QWidget* window = OpenWeeklyResultsWindow(season.session, 4, &season.main_window);
    QVERIFY(window != nullptr);
    QCOMPARE(window->windowTitle(), QString("Tavrin Results"));
    QVERIFY(window->isVisible());
    QVERIFY(!season.main_window.isEnabled());
    const auto list = ListLines(window);
    QCOMPARE(list, GoldenReportLines("results_week_05.txt"));

    season.store.ReportFont = "Courier New";
    season.ui.answers = {false};
    Button(window, "printbutton")->click();
    QVERIFY(season.ui.printer.events.empty());
    Button(window, "printbutton")->click();
    QCOMPARE(season.ui.questions.back().text, std::string("Ready to send Results to the Printer."));
    CheckResultsPrintout(season.ui.printer.Lines(), list);
    // This report sets the size before the font name.
    QVERIFY(EventAt(season.ui.printer, "size:12") <
            EventAt(season.ui.printer, "font:" + season.store.ReportFont));
    QCOMPARE(season.ui.printer.events.back(), std::string("end"));

    Button(window, "donebutton")->click();
    SettleClosedWindows();
    QVERIFY(season.main_window.isEnabled());
    QCOMPARE(qt::OpenSecondaryWindowCount(&season.main_window), 0);
  }

  void RefusalsOfWeeksWithoutScores() {
    TAVRIN_QSKIP_WITHOUT_SHARED_DATA();
    const std::string behind =
        "Cannot Complete Action....\n\rScores must be current thru Week # 1.";
    SeasonCopy results("start");
    QVERIFY(results.opened);
    QVERIFY(Refused(results, OpenWeeklyResultsWindow(results.session, 0, &results.main_window),
                    behind));
    SeasonCopy statistics("start");
    QVERIFY(Refused(statistics,
                    OpenStatisticsWindow(statistics.session, 1, &statistics.main_window), behind));
  }

  void KeysCloseReportWindowsPrintAndOpenTheirHelp() {
    TAVRIN_QSKIP_WITHOUT_SHARED_DATA();
    using Open = QWidget* (*)(SeasonCopy&);
    const std::vector<std::pair<Open, std::string>> windows{
        {[](SeasonCopy& s) { return OpenWeeklyResultsWindow(s.session, 4, &s.main_window); },
         "Ready to send Results to the Printer."},
        {[](SeasonCopy& s) { return OpenStatisticsWindow(s.session, 3, &s.main_window); },
         "Ready to send Statistics to the Printer."},
    };
    for (const auto& [open, question] : windows) {
      for (const QKeySequence close_key :
           {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        SeasonCopy season;
        QPointer<QWidget> window = open(season);
        QVERIFY(window != nullptr);
        QApplication::setActiveWindow(window);
        season.ui.answers = {false};
        QTest::keySequence(window.data(), QKeySequence::Print);
        QCOMPARE(season.ui.questions.back().text, question);
        QTest::keySequence(window.data(), QKeySequence::HelpContents);
        if (Button(window, "infobutton") != nullptr)
          QCOMPARE(season.ui.help_topics.size(), std::size_t{1});
        QTest::keySequence(window.data(), close_key);
        SettleClosedWindows();
        QVERIFY(window.isNull());
        QVERIFY(season.main_window.isEnabled());
      }
    }
  }

  void ReportListsCopyChosenLinesAndScrollSideways() {
    TAVRIN_QSKIP_WITHOUT_SHARED_DATA();
    SeasonCopy season;
    QVERIFY(season.opened);
    QWidget* window = OpenWeeklyResultsWindow(season.session, 0, &season.main_window);
    QVERIFY(window != nullptr);
    QApplication::setActiveWindow(window);
    auto* list = window->findChild<QListWidget*>("List1");
    auto* scroll = window->findChild<QScrollBar*>("HScroll1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(6)).center());
    QVERIFY(list->hasFocus());
    QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keySequence(list, QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             list->item(6)->text() + "\n" + list->item(7)->text());

    // The longest line shows in full; with a larger font the list would slide left under a
    // fixed right edge to bring its end into view.
    const int widest = list->fontMetrics().horizontalAdvance(list->item(4)->text());
    QVERIFY(list->viewport()->width() >= widest);
    const int right_edge = list->geometry().right();
    scroll->setMaximum(1440);
    scroll->setValue(1440);
    QCOMPARE(list->x(), -qt::TwipsToPixelsX(1440));
    QCOMPARE(list->geometry().right(), right_edge);
    window->close();
  }

  void TeamResultsListTheChosenTeam() {
    TAVRIN_QSKIP_WITHOUT_SHARED_DATA();
    SeasonCopy season;
    QVERIFY(season.opened);
    QWidget* window = OpenTeamResultsWindow(season.session, &season.main_window);
    QCOMPARE(window->windowTitle(), QString("Tavrin Team Results"));
    QVERIFY(!season.main_window.isEnabled());
    auto* combo = window->findChild<QComboBox*>("Combo1");
    QCOMPARE(combo->count(), 31);
    QCOMPARE(combo->currentText(), QString("      Select Team"));
    QCOMPARE(combo->itemText(4), qt::FromLatin1(season.store.TeamName[5]));
    QVERIFY(!window->findChild<QListWidget*>("List1")->isVisibleTo(window));
    QVERIFY(!window->findChild<QScrollBar*>("HScroll1")->isVisibleTo(window));
    QVERIFY(Button(window, "Donebutton")->isHidden());
    QVERIFY(Button(window, "Printbutton")->isHidden());
    QVERIFY(!Button(window, "infobutton")->isHidden());

    Button(window, "infobutton")->click();
    QCOMPARE(season.ui.help_topics, std::vector<std::string>{"Results by Team"});

    combo->setCurrentIndex(4);
    Button(window, "schbutton")->click();
    QCOMPARE(ListLines(window), GoldenReportLines("team_results_05.txt"));
    QVERIFY(combo->isHidden());
    QVERIFY(window->findChild<QListWidget*>("List1")->isVisibleTo(window));
    QVERIFY(Button(window, "schbutton")->isHidden());
    QVERIFY(!Button(window, "Donebutton")->isHidden());
    QVERIFY(!Button(window, "Printbutton")->isHidden());

    season.store.ReportFont = "Courier New";
    Button(window, "Printbutton")->click();
    CheckResultsPrintout(season.ui.printer.Lines(), ListLines(window));
    // This report sets the font name before the size.
    QVERIFY(EventAt(season.ui.printer, "font:" + season.store.ReportFont) <
            EventAt(season.ui.printer, "size:12"));
    Button(window, "Donebutton")->click();
    SettleClosedWindows();
    QVERIFY(season.main_window.isEnabled());
  }

  void TeamResultsAcceptOnDoubleClickAndCloseWithoutAChoice() {
    TAVRIN_QSKIP_WITHOUT_SHARED_DATA();
    SeasonCopy season;
    QVERIFY(season.opened);
    QPointer<QWidget> window = OpenTeamResultsWindow(season.session, &season.main_window);
    auto* combo = window->findChild<QComboBox*>("Combo1");
    combo->setEditText(qt::FromLatin1(season.store.TeamName[20]));
    QTest::mouseDClick(combo->lineEdit(), Qt::LeftButton);
    QCOMPARE(ListLines(window), GoldenReportLines("team_results_20.txt"));
    window->close();
    SettleClosedWindows();

    window = OpenTeamResultsWindow(season.session, &season.main_window);
    Button(window, "schbutton")->click();
    SettleClosedWindows();
    QVERIFY(window.isNull());
    QVERIFY(season.main_window.isEnabled());
  }

  void StatisticsSortFourWaysAndPrint() {
    TAVRIN_QSKIP_WITHOUT_SHARED_DATA();
    SeasonCopy season;
    QVERIFY(season.opened);
    QWidget* window = OpenStatisticsWindow(season.session, 17, &season.main_window);
    QVERIFY(window != nullptr);
    QCOMPARE(window->windowTitle(), QString("Tavrin Statistics"));
    QVERIFY(window->findChild<QRadioButton*>("Option1_0")->isChecked());
    QCOMPARE(ListLines(window), GoldenReportLines("statistics_block_17_sort0_quality_rating.txt"));
    window->findChild<QRadioButton*>("Option1_3")->click();
    QCOMPARE(ListLines(window), GoldenReportLines("statistics_block_17_sort3_ave_defense.txt"));
    window->findChild<QRadioButton*>("Option1_1")->click();
    QCOMPARE(ListLines(window), GoldenReportLines("statistics_block_17_sort1_percentage.txt"));

    season.store.ReportFont = "Courier New";
    Button(window, "printbutton")->click();
    QCOMPARE(season.ui.questions.back().text,
             std::string("Ready to send Statistics to the Printer."));
    const auto printed = season.ui.printer.Lines();
    const auto list = ListLines(window);
    QCOMPARE(printed.size(), 1 + 4 + list.size() + 2);
    QCOMPARE(printed[5], " " + list[0]);
    QCOMPARE(printed[4 + list.size()], " " + list.back());
    QCOMPARE(printed.back(), " " + std::string(76, '_'));
    QVERIFY(EventAt(season.ui.printer, "size:12") >
            EventAt(season.ui.printer, "font:" + season.store.ReportFont));
  }
};

QTEST_MAIN(ReportWindowsTest)
#include "report_windows_test.moc"
