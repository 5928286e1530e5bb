// The view windows over the final 1999 season: dialog rules, keys, and each one's own controls.

#include <fmt/format.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QtTest>

#include "analysis/playoff_odds_window.h"
#include "analysis/season_projection_window.h"
#include "analysis/specials_window.h"
#include "entry_ui/window_fixture.h"
#include "graphs/graph_selection_window.h"
#include "graphs/odds_chart_window.h"
#include "graphs/rating_graph_window.h"
#include "graphs/scorecard_window.h"
#include "platform/qt/latin1_text.h"
#include "platform/qt/palette.h"
#include "platform/qt/window_keys.h"
#include "reports/statistics_window.h"
#include "reports/team_results_window.h"
#include "reports/weekly_results_window.h"
#include "season/data_files.h"

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
void CloseAndSettle(QWidget* window) {
  window->close();
  SettleClosedWindows();
}
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

GraphTeams& WithTwoGraphTeams(SeasonCopy& s) {
  s.graph_teams = {GraphTwoTeams, StLouis, Jacksonville};
  return s.graph_teams;
}

// A view window as its command opens it in front of the season's main window.
struct ViewWindow {
  const char* name;
  Growth growth;
  QDialog* (*open)(SeasonCopy&);
  const char* focus;  // the control with the focus once it is open
  // How F1 answers: a help topic, or a message of its own (the graph's explanation).
  enum { HelpTopic, Message, GeneralHelp } help;
};

const ViewWindow ViewWindows[] = {
    {"VResults", Growth::Resizable,
     [](SeasonCopy& s) { return OpenWeeklyResultsWindow(s.session, 5, &s.main_window); }, "List1",
     ViewWindow::GeneralHelp},
    {"VStatsform", Growth::Resizable,
     [](SeasonCopy& s) { return OpenStatisticsWindow(s.session, 3, &s.main_window); }, "List1",
     ViewWindow::GeneralHelp},
    // With a team chosen, as it stands once it shows the team's results.
    {"TResults", Growth::Resizable,
     [](SeasonCopy& s) {
       QDialog* window = OpenTeamResultsWindow(s.session, &s.main_window);
       Control<QComboBox>(window, "Combo1")->setEditText(qt::FromLatin1(s.store.TeamName[Buffalo]));
       Click(window, "schbutton");
       return window;
     },
     "List1", ViewWindow::HelpTopic},
    {"Scorecard", Growth::Resizable,
     [](SeasonCopy& s) { return OpenScorecardWindow(s.session, &s.main_window); }, "List1",
     ViewWindow::GeneralHelp},
    {"PlayoffOdds", Growth::Resizable,
     [](SeasonCopy& s) {
       OddsOptions few_runs;
       few_runs.runs = 200;
       return OpenPlayoffOddsWindow(s.session, &s.main_window, few_runs);
     },
     "oddstable", ViewWindow::GeneralHelp},
    {"Pseason", Growth::Fixed,
     [](SeasonCopy& s) { return OpenSeasonProjectionWindow(s.session, &s.main_window); },
     "Donebutton", ViewWindow::HelpTopic},
    // With one game predicted, so that there is a list to print.
    {"Specials", Growth::Resizable,
     [](SeasonCopy& s) {
       QDialog* window = OpenSpecialsWindow(s.session, &s.main_window);
       for (const int team : {Jacksonville, Buffalo}) Click(window, QString("Clabel_%1").arg(team));
       Click(window, "predictbutton");
       return window;
     },
     "predictbutton", ViewWindow::HelpTopic},
    {"Selgraphform", Growth::Resizable,
     [](SeasonCopy& s) {
       return OpenGraphSelectionWindow(s.session, s.graph_teams, GraphTwoTeams, &s.main_window);
     },
     "List1", ViewWindow::GeneralHelp},
    {"GRform", Growth::Resizable,
     [](SeasonCopy& s) {
       return OpenRatingGraphWindow(s.session, WithTwoGraphTeams(s), &s.main_window);
     },
     "donebutton", ViewWindow::Message},
    {"OddsGraph", Growth::Resizable,
     [](SeasonCopy& s) {
       return OpenOddsChartWindow(s.session, WithTwoGraphTeams(s), &s.main_window);
     },
     "donebutton", ViewWindow::GeneralHelp},
};

}  // namespace

class ViewWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void EveryViewWindowIsADialogInFrontOfTheMainWindow() {
    for (const ViewWindow& view : ViewWindows) {
      SeasonCopy season;
      QPointer<QDialog> window = view.open(season);
      QVERIFY2(window != nullptr, view.name);
      QCOMPARE(window->objectName(), QString(view.name));
      ExpectDialogRules(window, &season.main_window, view.growth);
      QCOMPARE(ClippedControls(window), QStringList());
      QVERIFY2(window->focusWidget() != nullptr, view.name);
      QCOMPARE(window->focusWidget()->objectName(), QString(view.focus));
      // Every week of the season counts, so there is nothing to enter again.
      QVERIFY2(window->findChild<QLabel*>("enteragain") == nullptr, view.name);
      CloseAndSettle(window);
      QVERIFY2(window.isNull(), view.name);
      QCOMPARE(QGuiApplication::modalWindow(), nullptr);
    }
  }

  // Ctrl+P reaches the print question, F1 the window's help, and Escape or Ctrl+W close it.
  void KeysPrintOpenHelpAndClose() {
    for (const ViewWindow& view : ViewWindows) {
      for (const QKeySequence& close_key :
           {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        SeasonCopy season;
        bool general_help = false;
        qt::SetGeneralHelp([&general_help] { general_help = true; });
        QPointer<QDialog> window = view.open(season);
        QVERIFY2(window != nullptr, view.name);
        QApplication::setActiveWindow(window);
        const bool prints =
            !window->findChildren<QPushButton*>(QRegularExpression("^[Pp]rintbutton$")).isEmpty();
        season.ui.answers = {false};
        QTest::keySequence(window.data(), QKeySequence::Print);
        QVERIFY2(season.ui.questions.size() == (prints ? 1u : 0u), view.name);
        QTest::keySequence(window.data(), QKeySequence::HelpContents);
        QCOMPARE(season.ui.help_topics.size(), std::size_t{view.help == ViewWindow::HelpTopic});
        QCOMPARE(season.ui.messages.size(), std::size_t{view.help == ViewWindow::Message});
        QCOMPARE(general_help, view.help == ViewWindow::GeneralHelp);
        QTest::keySequence(window.data(), close_key);
        SettleClosedWindows();
        QVERIFY2(window.isNull(), view.name);
        qt::SetGeneralHelp({});
      }
    }
  }

  // Enter closes a view, unless the window has a button that accepts (OK) or acts (Predict).
  void EnterClosesAViewWithNothingToAccept() {
    for (const ViewWindow& view : ViewWindows) {
      const QString name = view.name;
      if (name == "Selgraphform" || name == "Specials") continue;
      SeasonCopy season;
      QPointer<QDialog> window = view.open(season);
      QVERIFY2(window != nullptr, view.name);
      QApplication::setActiveWindow(window);
      QTest::keyClick(window->focusWidget(), Qt::Key_Return);
      SettleClosedWindows();
      QVERIFY2(window.isNull(), view.name);
    }
  }

  // Week 5 scored again after week 17: the later weeks are left out, and each window says so.
  void WeeksToEnterAgainAreLeftOutAndSaidSo() {
    const QString note =
        "The scores of Week # 6 to Week # 17 must be entered again; they are left "
        "out here.";
    for (const ViewWindow& view : ViewWindows) {
      const QString name = view.name;
      if (name != "TResults" && name != "GRform" && name != "Scorecard" && name != "PlayoffOdds")
        continue;
      SeasonCopy season;
      season.store.LastScoredWeek = 5;
      QDialog* window = view.open(season);
      QVERIFY2(window != nullptr, view.name);
      QCOMPARE(Control<QLabel>(window, "enteragain")->text(), note);
      if (name == "GRform") {
        const RatingChartData& chart = static_cast<RatingGraphWindow*>(window)->chart();
        QVERIFY(chart.one[5] > 0 && chart.two[5] > 0);
        for (int block = 6; block <= 17; ++block)
          QCOMPARE(chart.one[block] + chart.two[block], 0.0f);
      }
      if (name == "TResults") {
        SeasonStore after_week_5 = season.store;
        QVERIFY(LoadStatsBlockNumber(after_week_5, season.folder.path(), 5));
        const std::vector<std::string> lines = ListLines(window);
        QCOMPARE(lines.back(),
                 fmt::format(" {} Wins, {} Losses, {} Ties", after_week_5.Wins[Buffalo],
                             after_week_5.Losses[Buffalo], after_week_5.Ties[Buffalo]));
        QVERIFY(after_week_5.Wins[Buffalo] + after_week_5.Losses[Buffalo] < 10);
      }
      CloseAndSettle(window);
    }
  }

  void TeamResultsAcceptOnDoubleClickAndCloseWithoutAChoice() {
    SeasonCopy season;
    QPointer<QWidget> window = OpenTeamResultsWindow(season.session, &season.main_window);
    auto* combo = Control<QComboBox>(window, "Combo1");
    combo->setEditText(qt::FromLatin1(season.store.TeamName[20]));
    QTest::mouseDClick(combo->lineEdit(), Qt::LeftButton);
    QCOMPARE(ListLines(window), GoldenReport("1999", "team_results_20.txt"));
    CloseAndSettle(window);
    window = OpenTeamResultsWindow(season.session, &season.main_window);
    Click(window, "schbutton");
    SettleClosedWindows();
    QVERIFY(window.isNull());
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
    QWidget* selection = OpenGraphSelectionWindow(season.session, season.graph_teams, GraphOneTeam,
                                                  &season.main_window);
    QVERIFY(Control<QWidget>(selection, "List2")->isHidden());
    DoubleClickRow(selection, "List1", Jacksonville - 1);
    QWidget* graph = OpenWindow("GRform");
    QVERIFY(graph != nullptr);
    QVERIFY(OpenWindow("Selgraphform") == nullptr);
    // The graph takes over from the selection in front of the main window.
    QCOMPARE(graph->parentWidget(), &season.main_window);
    QCOMPARE(QGuiApplication::modalWindow(), graph->windowHandle());
    QCOMPARE(Text(graph, "Lab2_1"), QString("Jacksonville Jaguars"));
    QVERIFY(Control<QWidget>(graph, "Lab2_2")->isHidden());
    QVERIFY(Control<QWidget>(graph, "Line1_1")->isHidden());
    Click(graph, "donebutton");
    SettleClosedWindows();
    QCOMPARE(QGuiApplication::modalWindow(), nullptr);
  }

  // With two teams a double-click only selects; OK opens the chart once both lists are chosen.
  void TwoTeamsNeedBothListsAndTheirButtonsWork() {
    SeasonCopy season;
    QWidget* selection = OpenGraphSelectionWindow(season.session, season.graph_teams, GraphTwoTeams,
                                                  &season.main_window);
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
    CloseAndSettle(graph);
  }

  // A picked win moves the odds up; Clear picks goes back; no file changes; 100.0 is proven.
  void OddsPicksMoveTheOddsAndClearPicksGoesBack() {
    SeasonCopy s;
    s.store.LastScoredWeek = 14;
    const auto files = FolderFiles(s.folder.path());
    OddsOptions options;
    options.runs = 400;
    QDialog* window = OpenPlayoffOddsWindow(s.session, &s.main_window, options);

    QVERIFY(window != nullptr);
    auto* picks = Control<QTableWidget>(window, "picktable");
    auto* odds = Control<QTableWidget>(window, "oddstable");
    QCOMPARE(picks->rowCount(), 45);  // weeks 15 to 17
    QString visitor;
    const auto playoffs = [&] {
      for (int row = 0; row < odds->rowCount(); ++row)
        if (odds->item(row, 0)->text() == visitor) return odds->item(row, 4);
      return odds->item(0, 4);
    };
    int game = 0;  // the first game whose visitor is still in doubt
    for (; game < picks->rowCount(); ++game) {
      visitor = picks->item(game, 1)->text();
      const double percent = playoffs()->data(Qt::UserRole).toDouble();
      if (percent > 5 && percent < 95) break;
    }
    QVERIFY(game < picks->rowCount());
    const double as_is = playoffs()->data(Qt::UserRole).toDouble();
    qobject_cast<QComboBox*>(picks->cellWidget(game, 3))->setCurrentIndex(1);
    Click(window, "whatifbutton");
    QVERIFY(playoffs()->data(Qt::UserRole).toDouble() > as_is);
    QVERIFY2(playoffs()->text().contains(" +"), qPrintable(playoffs()->text()));
    Click(window, "clearpicksbutton");
    QCOMPARE(playoffs()->data(Qt::UserRole).toDouble(), as_is);
    QVERIFY(!playoffs()->text().contains('+'));
    for (int row = 0; row < odds->rowCount(); ++row) {
      const QString clinched = odds->item(row, 14)->text();
      if (odds->item(row, 4)->text() == "100.0")
        QVERIFY2(!clinched.isEmpty() && clinched != "Eliminated", qPrintable(clinched));
    }
    QCOMPARE(FolderFiles(s.folder.path()), files);
  }
};

QTEST_MAIN(ViewWindowsTest)
#include "view_windows_test.moc"
