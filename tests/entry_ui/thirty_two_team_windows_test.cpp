// The data entry windows over a 32-team season of 18 weeks, imported from the community's
// games file: a row, a box pair and a button for every game and team its league has.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "analysis/conference_seeds.h"
#include "analysis/conference_seeds_window.h"
#include "analysis/specials_window.h"
#include "demo/first_season_start.h"
#include "entry/names_window.h"
#include "entry/schedule_window.h"
#include "entry/scores_window.h"
#include "entry/stats_editor_window.h"
#include "entry_ui/window_fixture.h"
#include "reports/golden_case.h"
#include "season/file_io.h"
#include "season/season_change.h"

using namespace tavrin;
using namespace tavrin::testing;

namespace {

// The 2022 season imported whole into a scratch folder, with a stand-in main window.
struct ModernSeason {
  TempFolder folder;
  SeasonStore store;
  ScriptedUi ui;
  Session session{store, ui, folder.path()};
  QWidget main_window;

  ModernSeason() {
    const auto games =
        ReadWholeFile(TestDataDir() / "seasons" / "modern" / "games_2022.csv", MaxInputFileSize);
    SeasonChange change(folder.path());
    const bool imported =
        games && *games &&
        demo::ImportFirstLeagueSeason(session, *LeagueOf(2022), "games_2022.csv", **games) &&
        change.Commit();
    if (!imported) QTest::qFail("the 2022 games file was not imported", __FILE__, __LINE__);
    main_window.resize(640, 480);
    main_window.show();
  }
};

// Saves a picture of the window when TAVRIN_SCREENSHOT_DIR names a folder, to look at by eye.
void Photograph(QWidget* window) {
  const QString folder = qEnvironmentVariable("TAVRIN_SCREENSHOT_DIR");
  if (!folder.isEmpty()) window->grab().save(folder + "/" + window->objectName() + "32.png");
}

QStringList ListedLines(QWidget* window) {
  QStringList lines;
  auto* list = Control<QListWidget>(window, "List1");
  for (int row = 0; row < list->count(); ++row) lines << list->item(row)->text();
  return lines;
}

int VisibleBoxes(QWidget* window) {
  int shown = 0;
  for (auto* box : window->findChildren<QLineEdit*>()) shown += box->isVisible() ? 1 : 0;
  return shown;
}

}  // namespace

class ThirtyTwoTeamWindowsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<ModernSeason> season_;
  Session& session() { return season_->session; }
  QWidget* owner() { return &season_->main_window; }

 private slots:
  void init() { season_ = std::make_unique<ModernSeason>(); }
  void cleanup() { season_.reset(); }

  void scoreEntryShowsAFullWeekOfSixteenGames() {
    QWidget* window = OpenScoresWindow(session(), 1, owner());
    QVERIFY(window != nullptr);
    ExpectDialogRules(window, owner(), Growth::Fixed);
    Photograph(window);
    QCOMPARE(VisibleBoxes(window), 2 * MostGamesInWeek(MostLeagueTeams));
    QCOMPARE(Control<QLabel>(window, "TLabel_16")->text(), QString("Denver"));
    QVERIFY(ClippedControls(window).isEmpty());
  }

  void scheduleEntryLaysTheTeamsOutInFourDivisionsAConference() {
    QWidget* window = OpenScheduleWindow(session(), owner());
    ExpectDialogRules(window, owner(), Growth::Resizable);
    QTest::keyClicks(Control<QLineEdit>(window, "Text2"), "1");
    Click(window, "loadbutton");
    QCOMPARE(Control<QListWidget>(window, "List1")->count(), 1 + 16);  // its heading, 16 games
    Photograph(window);
    QVERIFY(ClippedControls(window).isEmpty());
    const auto league = LeagueOf(2022);
    for (const auto& [frame, first_team] : {std::pair{"Frame1", 1}, std::pair{"Frame2", 17}}) {
      auto* conference = Control<QGroupBox>(window, frame);
      QCOMPARE(conference->findChildren<QLabel*>().size(), 4);  // a caption a division
      for (int team = first_team; team < first_team + 16; ++team) {
        auto* button = Control<QPushButton>(conference, QStringLiteral("Clabel_%1").arg(team));
        QCOMPARE(button->text(), QString::fromLatin1(league->Team(team).location));
      }
    }
  }

  void namesEditorSavesEveryTeamToTheThirtyTwoTeamNamesFile() {
    QWidget* window = OpenNamesWindow(session(), owner());
    ExpectDialogRules(window, owner(), Growth::Fixed);
    Photograph(window);
    QVERIFY(ClippedControls(window).isEmpty());
    QCOMPARE(window->findChildren<QLineEdit*>().size(), 2 * 32);
    auto* last = Control<QLineEdit>(window, "Text2_32");
    last->setText("Hawks");
    Click(window, "savebutton");
    const auto saved = ReadWholeFile(season_->folder.path() / "TavNM32.dat", MaxInputFileSize);
    QVERIFY(saved && *saved && (*saved)->find("\"Hawks\"") != std::string::npos);
    QCOMPARE(session().store.TeamName[32], std::string("Hawks"));
  }

  void statisticsEditorStepsToTheThirtySecondTeam() {
    QWidget* window = OpenStatsEditorWindow(session(), owner());
    QTest::keyClicks(Control<QLineEdit>(window, "Text1"), "18");
    Click(window, "Loadbutton");
    for (int team = 1; team < 33; ++team) Click(window, "Upbutton");
    Photograph(window);
    QVERIFY(ClippedControls(window).isEmpty());
    QCOMPARE(Control<QLabel>(window, "Teamlabel")->text(), QString("Seattle"));
  }

  void seedsWindowListsTheSeedsAfterTheLastOrATypedWeek() {
    QWidget* window = OpenConferenceSeedsWindow(session(), owner());
    ExpectDialogRules(window, owner(), Growth::Resizable);
    Photograph(window);
    QVERIFY(ClippedControls(window).isEmpty());
    for (const int week : {18, 9}) {
      auto* box = Control<QLineEdit>(window, "weekbox");
      box->setText(QString::number(week));
      Click(window, "showbutton");
      QStringList expected;
      const auto seeds = ShowConferenceSeeds(session(), week);
      for (const auto& line : ConferenceSeedLines(session().store, week, *seeds))
        expected << QString::fromLatin1(line);
      QCOMPARE(ListedLines(window), expected);
    }
  }

  void singleGamePredictsAPairingOfTheThirtySecondTeam() {
    QWidget* window = OpenSpecialsWindow(session(), owner());
    ExpectDialogRules(window, owner(), Growth::Resizable);
    Click(window, "Clabel_20");
    Click(window, "Clabel_32");
    QCOMPARE(Control<QLabel>(window, "gamelabel")->text(), QString("Washington at Seattle"));
    Click(window, "predictbutton");
    QCOMPARE(ListedLines(window).size(), 2);  // the heading and the prediction
    Photograph(window);
    QVERIFY(ClippedControls(window).isEmpty());
  }
};

QTEST_MAIN(ThirtyTwoTeamWindowsTest)
#include "thirty_two_team_windows_test.moc"
