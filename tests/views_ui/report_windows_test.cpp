// The report windows' wiring over a recorded season: their keys, the team choice and the sort
// buttons.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "entry_ui/window_fixture.h"
#include "platform/qt/latin1_text.h"
#include "reports/statistics_window.h"
#include "reports/team_results_window.h"
#include "reports/weekly_results_window.h"

using namespace tavrin;
using namespace tavrin::testing;

namespace {

QPushButton* Button(QWidget* window, const char* name) {
  return window->findChild<QPushButton*>(name);
}

}  // namespace

class ReportWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { TAVRIN_QSKIP_WITHOUT_SHARED_DATA(); }

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
        if (Button(window, "infobutton") != nullptr)
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

  void StatisticsSortButtonsReorderTheList() {
    SeasonCopy season;
    QWidget* window = OpenStatisticsWindow(season.session, 17, &season.main_window);
    QVERIFY(window != nullptr);
    const std::pair<const char*, const char*> sorts[] = {{"Option1_0", "sort0_quality_rating"},
                                                         {"Option1_3", "sort3_ave_defense"},
                                                         {"Option1_1", "sort1_percentage"}};
    for (const auto& [button, report] : sorts) {
      window->findChild<QRadioButton*>(button)->click();
      QCOMPARE(ListLines(window),
               GoldenReportLines(std::string("statistics_block_17_") + report + ".txt"));
    }
  }
};

QTEST_MAIN(ReportWindowsTest)
#include "report_windows_test.moc"
