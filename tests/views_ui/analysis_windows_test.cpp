// The single game predictions and season projection windows over a recorded season: picking
// and unpicking team labels, the predictions against the recorded ones, the list's remove,
// clear and print rules, the bracket's boxes, and the refusals.

#include <QCheckBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "analysis/playoff_odds_window.h"
#include "analysis/season_projection_window.h"
#include "analysis/single_game.h"
#include "analysis/specials_window.h"
#include "platform/qt/latin1_text.h"
#include "platform/qt/palette.h"
#include "views_ui/view_test_support.h"

using namespace tavrin;
using namespace tavrin::testing;

namespace {

QLabel* TeamLabel(QWidget* window, int team) {
  return window->findChild<QLabel*>(QString("Clabel_%1").arg(team));
}
QColor LabelColour(QWidget* window, int team) {
  return TeamLabel(window, team)->palette().color(QPalette::WindowText);
}
void ClickTeam(QWidget* window, int team) {
  QTest::mouseClick(TeamLabel(window, team), Qt::LeftButton);
}
void Click(QWidget* window, const char* button) {
  window->findChild<QPushButton*>(button)->click();
}
QString GameLabel(QWidget* window) { return window->findChild<QLabel*>("gamelabel")->text(); }
bool GameBoxEnabled(QWidget* window) { return window->findChild<QFrame*>("gamebox")->isEnabled(); }

constexpr int Buffalo = 1, Jacksonville = 9, Minnesota = 25, StLouis = 30;

}  // namespace

class AnalysisWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void SpecialsShowTheTeamsByConferenceUnpicked() {
    TAVRIN_QSKIP_WITHOUT_SHARED_DATA();
    SeasonCopy season;
    QVERIFY(season.opened);
    QWidget* window = OpenSpecialsWindow(season.session, &season.main_window);
    QVERIFY(window != nullptr);
    QCOMPARE(window->windowTitle(), QString("Play-Off and Single Game Predictions"));
    QVERIFY(!season.main_window.isEnabled());
    for (int team = 1; team <= 31; ++team) {
      QCOMPARE(TeamLabel(window, team)->text(), qt::FromLatin1(season.store.LocationName[team]));
      QCOMPARE(LabelColour(window, team), qt::PaletteColour(SpecialsWindow::UnpickedColour));
      QCOMPARE(TeamLabel(window, team)->palette().color(QPalette::Window), QColor(Qt::white));
      const char* frame = team <= 16 ? "Frame1" : "Frame2";
      QCOMPARE(TeamLabel(window, team)->parent()->objectName(), QString(frame));
    }
    QCOMPARE(window->findChild<QLabel*>("label8")->text(), QString("Year  1999"));
    QCOMPARE(ListLines(window), std::vector<std::string>{SpecialsOpeningHeader});
    QVERIFY(!GameBoxEnabled(window));
    window->close();
  }

  void SpecialsPickReverseAndPredictAsRecorded() {
    TAVRIN_QSKIP_WITHOUT_SHARED_DATA();
    SeasonCopy season;
    QVERIFY(season.opened);
    QWidget* window = OpenSpecialsWindow(season.session, &season.main_window);
    const auto recorded = GoldenReportLines("specials_after_week_17.txt");

    ClickTeam(window, Jacksonville);
    QCOMPARE(LabelColour(window, Jacksonville), qt::PaletteColour(SpecialsWindow::PickedColour));
    QCOMPARE(GameLabel(window), QString("Jacksonville at "));
    QVERIFY(!GameBoxEnabled(window));
    ClickTeam(window, Buffalo);
    QVERIFY(GameBoxEnabled(window));
    QCOMPARE(GameLabel(window), QString("Jacksonville at Buffalo"));
    Click(window, "reversebutton");
    QCOMPARE(GameLabel(window), QString("Buffalo at Jacksonville"));
    QCOMPARE(LabelColour(window, Buffalo), qt::PaletteColour(SpecialsWindow::PickedColour));
    Click(window, "predictbutton");
    QCOMPARE(ListLines(window).back(), recorded[1]);
    QCOMPARE(LabelColour(window, Buffalo), qt::PaletteColour(SpecialsWindow::UnpickedColour));
    QCOMPARE(LabelColour(window, Jacksonville), qt::PaletteColour(SpecialsWindow::UnpickedColour));
    QCOMPARE(GameLabel(window), QString());

    // Unpicking the first team makes the second the first pick.
    ClickTeam(window, Minnesota);
    ClickTeam(window, StLouis);
    ClickTeam(window, Minnesota);
    QCOMPARE(GameLabel(window), QString("St. Louis at "));
    QVERIFY(!GameBoxEnabled(window));
    ClickTeam(window, Minnesota);
    Click(window, "reversebutton");
    Click(window, "predictbutton");
    QCOMPARE(ListLines(window).back(), recorded[2]);

    auto* neutral = window->findChild<QCheckBox*>("neutralcheck");
    ClickTeam(window, Jacksonville);
    neutral->setChecked(true);
    Click(window, "predictbutton");  // one team: a beep, the box stays ticked
    QCOMPARE(season.ui.beeps, 1);
    QVERIFY(neutral->isChecked());
    ClickTeam(window, StLouis);
    Click(window, "predictbutton");
    QVERIFY(!neutral->isChecked());
    QCOMPARE(ListLines(window), recorded);
    window->close();
  }

  void SpecialsWorkByKeysAlone() {
    TAVRIN_QSKIP_WITHOUT_SHARED_DATA();
    SeasonCopy season;
    QVERIFY(season.opened);
    QWidget* window = OpenSpecialsWindow(season.session, &season.main_window);
    QApplication::setActiveWindow(window);
    // Tab walks the teams in team order, then the window's controls, and comes round again.
    TeamLabel(window, 1)->setFocus();
    QStringList walk;
    do {
      walk << QApplication::focusWidget()->objectName();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    } while (QApplication::focusWidget() != TeamLabel(window, 1) && walk.size() < 80);
    QStringList teams;
    for (int team = 1; team <= 31; ++team) teams << QString("Clabel_%1").arg(team);
    QCOMPARE(walk.mid(0, 31), teams);
    for (const char* control : {"predictbutton", "Printbutton", "donebutton"})
      QVERIFY2(walk.contains(control), control);

    // Space picks a team; Enter on the predict button predicts the pairing.
    for (int team : {Jacksonville, Buffalo}) {
      TeamLabel(window, team)->setFocus();
      QTest::keyClick(TeamLabel(window, team), Qt::Key_Space);
    }
    QCOMPARE(GameLabel(window), QString("Jacksonville at Buffalo"));
    window->findChild<QPushButton*>("predictbutton")->setFocus();
    QTest::keyClick(window->findChild<QPushButton*>("predictbutton"), Qt::Key_Return);
    QCOMPARE(ListLines(window).size(), std::size_t{2});
    window->close();
  }

  void SpecialsRemoveClearAndPrintTheList() {
    TAVRIN_QSKIP_WITHOUT_SHARED_DATA();
    SeasonCopy season;
    QVERIFY(season.opened);
    QWidget* window = OpenSpecialsWindow(season.session, &season.main_window);
    auto* list = window->findChild<QListWidget*>("List1");
    Click(window, "clearbutton");  // only the header: nothing asked
    Click(window, "Printbutton");  // only the header: nothing printed
    QVERIFY(season.ui.questions.empty());
    ClickTeam(window, Buffalo);
    ClickTeam(window, Jacksonville);
    Click(window, "predictbutton");
    ClickTeam(window, Minnesota);
    ClickTeam(window, StLouis);
    Click(window, "predictbutton");
    const auto before = ListLines(window);
    QCOMPARE(before.size(), std::size_t{3});

    Click(window, "Removebutton");  // nothing selected
    list->setCurrentRow(0);         // the header
    Click(window, "Removebutton");
    QCOMPARE(ListLines(window), before);
    list->setCurrentRow(1);
    Click(window, "Removebutton");
    QCOMPARE(ListLines(window), (std::vector<std::string>{before[0], before[2]}));

    Click(window, "Printbutton");
    QCOMPARE(season.ui.questions.back().text,
             std::string("Ready to send Predictions to the Printer."));
    const std::vector<std::string> printed = season.ui.printer.Lines();
    const std::vector<std::string> expected{
        " ",
        " ",
        "        Tavrin Single Game Predictions from " + season.ui.today,
        " ",
        "    " + std::string(57, '_'),
        " ",
        "     " + before[0],
        " ",
        "     " + before[2]};
    QCOMPARE(printed, expected);

    season.ui.answers = {false};
    Click(window, "clearbutton");
    QCOMPARE(ListLines(window).size(), std::size_t{2});
    ClickTeam(window, Buffalo);
    Click(window, "clearbutton");
    QCOMPARE(season.ui.questions.back().text, std::string("Is it Ok to Clear Prediction list?"));
    QCOMPARE(season.ui.questions.back().caption, std::string("Tavrin Schedule"));
    QVERIFY(season.ui.questions.back().yes_no);
    QCOMPARE(ListLines(window), std::vector<std::string>{SpecialsClearedHeader});
    QCOMPARE(LabelColour(window, Buffalo), qt::PaletteColour(SpecialsWindow::UnpickedColour));
    QCOMPARE(GameLabel(window), QString());

    Click(window, "infobutton");
    QCOMPARE(season.ui.help_topics, std::vector<std::string>{"Single Game Predictions"});
    Click(window, "donebutton");
    SettleClosedWindows();
    QVERIFY(season.main_window.isEnabled());
  }

  void RefusalsWithoutTheLatestBlock() {
    TAVRIN_QSKIP_WITHOUT_SHARED_DATA();
    SeasonCopy specials("start");
    QVERIFY(specials.opened);
    specials.store.LastScoredWeek = 5;
    QVERIFY(Refused(
        specials, OpenSpecialsWindow(specials.session, &specials.main_window),
        "Unable to Load the Statistics for Week 6.\n\rScores must be current thru week # 5."));
    SeasonCopy projection("start");
    projection.store.LastScoredWeek = 3;
    QVERIFY(Refused(projection,
                    OpenSeasonProjectionWindow(projection.session, &projection.main_window),
                    "Cannot Complete Action....\n\rScores must be current thru Week # 3."));
  }

  void ProjectionFillsTheBracket() {
    TAVRIN_QSKIP_WITHOUT_SHARED_DATA();
    SeasonCopy season;
    QVERIFY(season.opened);
    QWidget* window = OpenSeasonProjectionWindow(season.session, &season.main_window);
    QVERIFY(window != nullptr);
    QVERIFY(!season.main_window.isEnabled());
    const auto recorded = GoldenReportLines("projection_after_week_17.txt");
    QCOMPARE(qt::ToLatin1(window->windowTitle()), recorded[0]);
    QCOMPARE(qt::ToLatin1(window->findChild<QLabel*>("Label2")->text()), recorded[1]);
    QCOMPARE(window->findChild<QLabel*>("Label1_AFC")->text(), QString("AFC Champions"));
    QCOMPARE(window->findChild<QLabel*>("Label1_NFC")->text(), QString("NFC Champions"));
    for (int box = 1; box <= 7; ++box) {
      // "Box i <role>: <team> <LocationName>": the box shows the name on its second line.
      const std::string& line = recorded[static_cast<std::size_t>(box) + 1];
      const std::string team_and_name = line.substr(line.find(": ") + 2);
      const std::string name = team_and_name.substr(team_and_name.find(' ') + 1);
      QCOMPARE(window->findChild<QLabel*>(QString("label_%1").arg(box))->text(),
               "\n" + qt::FromLatin1(name));
    }
    Click(window, "infobutton");
    QCOMPARE(season.ui.help_topics, std::vector<std::string>{"Season Projections"});

    // Ctrl+P prints the golden projection text as the other reports print theirs.
    QApplication::setActiveWindow(window);
    season.ui.answers = {true};
    QTest::keySequence(window, QKeySequence::Print);
    QCOMPARE(season.ui.questions.back().text,
             std::string("Ready to send Projections to the Printer."));
    std::vector<std::string> printed{" ", " ", " "};
    for (const std::string& line : recorded) printed.push_back("   " + line);
    QCOMPARE(season.ui.printer.Lines(), printed);
    QTest::keyClick(window, Qt::Key_Escape);
    SettleClosedWindows();
    QVERIFY(season.main_window.isEnabled());
  }

  // The table sorts by a clicked column, the print button prints the report, and the
  // refusal is the projection's.
  void PlayoffOddsSortAndPrint() {
    TAVRIN_QSKIP_WITHOUT_SHARED_DATA();
    SeasonCopy season;
    QVERIFY(season.opened);
    QWidget* window = OpenPlayoffOddsWindow(season.session, &season.main_window, {.runs = 20});
    QVERIFY(window != nullptr);
    QVERIFY(!season.main_window.isEnabled());
    QCOMPARE(window->windowTitle(), QString("Play-off Odds"));
    auto* table = window->findChild<QTableWidget*>("oddstable");
    QCOMPARE(table->rowCount(), 31);
    QHeaderView* header = table->horizontalHeader();
    const auto click_header = [&](int column) {
      const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                      header->height() / 2);
      QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    };
    const int seed_one = 8;
    for (int clicks = 0; clicks < 2; ++clicks) {
      click_header(seed_one);
      // The conferences' first seeds at 100.0 lead or close the table as the order turns.
      const bool descending = header->sortIndicatorOrder() == Qt::DescendingOrder;
      const int first = descending ? 0 : 29;
      QCOMPARE(QSet<QString>({table->item(first, 0)->text(), table->item(first + 1, 0)->text()}),
               QSet<QString>({"Jacksonville", "St. Louis"}));
      QCOMPARE(table->item(first + 1, seed_one)->text(), QString("100.0"));
      QCOMPARE(table->item(descending ? 2 : 28, seed_one)->text(), QString("0.0"));
    }

    Click(window, "printbutton");
    const auto printed = season.ui.printer.Lines();
    const auto report =
        PlayoffOddsLines(season.store, *ShowPlayoffOdds(season.session, {.runs = 20}));
    QCOMPARE(printed.size(), report.size() + 2);
    QCOMPARE(printed.back(), "    " + report.back());
    Click(window, "Donebutton");
    SettleClosedWindows();
    QVERIFY(season.main_window.isEnabled());

    SeasonCopy behind("start");
    behind.store.LastScoredWeek = 3;
    QVERIFY(Refused(behind, OpenPlayoffOddsWindow(behind.session, &behind.main_window),
                    "Cannot Complete Action....\n\rScores must be current thru Week # 3."));
  }
};

QTEST_MAIN(AnalysisWindowsTest)
#include "analysis_windows_test.moc"
