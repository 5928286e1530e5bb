// The single game predictions window over a recorded season: picking and unpicking team labels
// by mouse and by keys, and the predict button's pick state.

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "analysis/specials_window.h"
#include "entry_ui/window_fixture.h"
#include "platform/qt/latin1_text.h"
#include "platform/qt/palette.h"

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

constexpr int Buffalo = 1, Jacksonville = 9;

}  // namespace

class AnalysisWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { TAVRIN_QSKIP_WITHOUT_SHARED_DATA(); }

  void SpecialsPickReverseAndPredictAsRecorded() {
    SeasonCopy season;
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
    QCOMPARE(GameLabel(window), QString());

    window->close();
  }

  void SpecialsWorkByKeysAlone() {
    SeasonCopy season;
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
};

QTEST_MAIN(AnalysisWindowsTest)
#include "analysis_windows_test.moc"
