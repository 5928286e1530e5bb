// The windows over the 2022 season imported from the community's games file: a place for every
// game and team of the 32-team league, the names in its own file, and its seeds.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "analysis/conference_seeds.h"
#include "analysis/conference_seeds_window.h"
#include "analysis/specials_window.h"
#include "demo/first_season_start.h"
#include "entry/names_window.h"
#include "entry/schedule_window.h"
#include "entry/scores_window.h"
#include "entry/stats_editor_window.h"
#include "entry_ui/window_fixture.h"
#include "season/file_io.h"
#include "season/season_change.h"

using namespace tavrin;
using namespace tavrin::testing;

class ThirtyTwoTeamWindowsTest : public QObject {
  Q_OBJECT
  TempFolder folder_;
  SeasonStore store_;
  ScriptedUi ui_;
  Session session_{store_, ui_, folder_.path()};
  QWidget owner_;

  // The window's rules; its picture in TAVRIN_SCREENSHOT_DIR when that names a folder.
  QWidget* Checked(QWidget* window, Growth growth) {
    ExpectDialogRules(window, &owner_, growth);
    const QString shots = qEnvironmentVariable("TAVRIN_SCREENSHOT_DIR");
    if (!shots.isEmpty()) window->grab().save(shots + "/" + window->objectName() + "32.png");
    if (!ClippedControls(window).isEmpty()) QTest::qFail("clipped", __FILE__, __LINE__);
    return window;
  }

 private slots:
  void initTestCase() {
    const auto games =
        ReadWholeFile(TestDataDir() / "seasons/modern/games_2022.csv", MaxInputFileSize);
    SeasonChange change(folder_.path());
    QVERIFY(demo::ImportFirstLeagueSeason(session_, *LeagueOf(2022), "games", **games));
    QVERIFY(change.Commit());
    owner_.show();
  }

  void everyWindowHoldsTheWholeLeague() {
    QWidget* scores = Checked(OpenScoresWindow(session_, 1, &owner_), Growth::Fixed);
    QCOMPARE(Control<QLabel>(scores, "TLabel_16")->text(), QString("Denver"));  // 16th game
    QWidget* schedule = Checked(OpenScheduleWindow(session_, &owner_), Growth::Resizable);
    QCOMPARE(Control<QGroupBox>(schedule, "Frame2")->findChildren<QLabel*>().size(), 4);
    QCOMPARE(Control<QPushButton>(schedule, "Clabel_32")->text(), QString("Seattle"));
    QWidget* stats = Checked(OpenStatsEditorWindow(session_, &owner_), Growth::Fixed);
    QTest::keyClicks(Control<QLineEdit>(stats, "Text1"), "18");
    Click(stats, "Loadbutton");
    for (int team = 1; team <= 32; ++team) Click(stats, "Upbutton");
    QCOMPARE(Control<QLabel>(stats, "Teamlabel")->text(), QString("Seattle"));
    QWidget* specials = Checked(OpenSpecialsWindow(session_, &owner_), Growth::Resizable);
    Click(specials, "Clabel_20");
    Click(specials, "Clabel_32");
    QCOMPARE(Control<QLabel>(specials, "gamelabel")->text(), QString("Washington at Seattle"));
    QWidget* names = Checked(OpenNamesWindow(session_, &owner_), Growth::Fixed);
    QCOMPARE(names->findChildren<QLineEdit*>().size(), 2 * 32);
    Control<QLineEdit>(names, "Text2_32")->setText("Hawks");
    Click(names, "savebutton");
    QVERIFY(ReadFileBytes(folder_.path() / "TavNM32.dat").find("\"Hawks\"") != std::string::npos);
    // The seeds as the report lists them, after the last and after a typed week.
    QWidget* window = Checked(OpenConferenceSeedsWindow(session_, &owner_), Growth::Resizable);
    auto* list = Control<QListWidget>(window, "List1");
    for (const int week : {18, 9}) {
      Control<QLineEdit>(window, "weekbox")->setText(QString::number(week));
      Click(window, "showbutton");
      const auto lines = ConferenceSeedLines(store_, week, *ShowConferenceSeeds(session_, week));
      QCOMPARE(list->count(), static_cast<int>(lines.size()));
      for (int row = 0; row < list->count(); ++row)
        QCOMPARE(list->item(row)->text(), QString::fromLatin1(lines[std::size_t(row)]));
    }
  }
};

QTEST_MAIN(ThirtyTwoTeamWindowsTest)
#include "thirty_two_team_windows_test.moc"
