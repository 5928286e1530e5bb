// The view windows over the final 1999 season: dialog rules, keys, and each one's own controls.

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
  // Each view is a dialog in front of the main window; Ctrl+P asks to print, F1 opens its help,
  // Escape, Ctrl+W and, with no button that accepts (OK) or acts (Predict), Enter close it.
  void EveryViewWindowIsADialogWhoseKeysPrintOpenHelpAndClose() {
    for (const ViewWindow& view : ViewWindows) {
      const QString name = view.name;
      QList<QKeySequence> close_keys{QKeySequence(Qt::Key_Escape),
                                     QKeySequence(Qt::CTRL | Qt::Key_W)};
      if (name != "Selgraphform" && name != "Specials") close_keys << QKeySequence(Qt::Key_Return);
      for (const QKeySequence& close_key : close_keys) {
        SeasonCopy season;
        bool general_help = false;
        qt::SetGeneralHelp([&general_help] { general_help = true; });
        QPointer<QDialog> window = view.open(season);
        QVERIFY2(window != nullptr, view.name);
        if (close_key == close_keys.front()) {
          QCOMPARE(window->objectName(), name);
          ExpectDialogRules(window, &season.main_window, view.growth);
          QCOMPARE(ClippedControls(window), QStringList());
          // Every week of the season counts, so there is nothing to enter again.
          QVERIFY2(window->findChild<QLabel*>("enteragain") == nullptr, view.name);
          QVERIFY2(window->focusWidget() != nullptr, view.name);
          QCOMPARE(window->focusWidget()->objectName(), QString(view.focus));
        }
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
        const bool enter = close_key == QKeySequence(Qt::Key_Return);
        QTest::keySequence(enter ? window->focusWidget() : window.data(), close_key);
        SettleClosedWindows();
        QVERIFY2(window.isNull(), view.name);
        QCOMPARE(QGuiApplication::modalWindow(), nullptr);
        qt::SetGeneralHelp({});
      }
    }
  }

  // Week 5 scored again after week 17: the later weeks are left out, and each window says so.
  void WeeksToEnterAgainAreLeftOutAndSaidSo() {
    const QString note =
        "The scores of Week # 6 to Week # 17 must be entered again; they are "
        "left out here.";
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
      // Buffalo's record after week 5, as the recorded statistics of that week hold it.
      if (name == "TResults")
        QCOMPARE(ListLines(window).back(), std::string(" 4 Wins, 1 Losses, 0 Ties"));
      CloseAndSettle(window);
    }
  }

  // A double-click accepts the team typed, Search without one closes the window; a sort button
  // reorders the statistics (each order is the tool's golden test).
  void TeamResultsAcceptByDoubleClickAndStatisticsSortByButton() {
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
    window = OpenStatisticsWindow(season.session, 17, &season.main_window);
    Control<QRadioButton>(window, "Option1_3")->click();
    QCOMPARE(ListLines(window), GoldenReport("1999", "statistics_block_17_sort3_ave_defense.txt"));
  }

  // Picks by Space and by click, then Enter on the predict button, give the recorded line.
  void SpecialsPickByKeysOrMouseReverseAndPredictAsRecorded() {
    SeasonCopy season;
    QWidget* window = OpenSpecialsWindow(season.session, &season.main_window);
    QApplication::setActiveWindow(window);
    // Tab walks the teams in team order.
    Control<QWidget>(window, "Clabel_8")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("Clabel_%1").arg(Jacksonville));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
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

  // One team: a double-click draws it alone. Two teams: a double-click only selects until both
  // lists are chosen. The graph takes over from the selection in front of the main window.
  void GraphTeamsAreChosenByDoubleClickAndDrawn() {
    for (const int mode : {GraphOneTeam, GraphTwoTeams}) {
      const bool one = mode == GraphOneTeam;
      SeasonCopy season;
      QWidget* selection =
          OpenGraphSelectionWindow(season.session, season.graph_teams, mode, &season.main_window);
      QCOMPARE(Control<QWidget>(selection, "List2")->isHidden(), one);
      if (!one) {
        DoubleClickRow(selection, "List1", StLouis - 1);
        QVERIFY(OpenWindow("GRform") == nullptr);
        Click(selection, "okbutton");
        QCOMPARE(season.ui.beeps, 1);
      }
      DoubleClickRow(selection, one ? "List1" : "List2", Jacksonville - 1);
      QWidget* graph = OpenWindow("GRform");
      QVERIFY(graph != nullptr);
      QVERIFY(OpenWindow("Selgraphform") == nullptr);
      QCOMPARE(graph->parentWidget(), &season.main_window);
      QCOMPARE(QGuiApplication::modalWindow(), graph->windowHandle());
      QCOMPARE(Text(graph, "Lab2_1"), QString(one ? "Jacksonville Jaguars" : "St. Louis Rams"));
      if (!one) QCOMPARE(Text(graph, "Lab2_2"), QString("Jacksonville Jaguars"));
      QVERIFY(Control<QWidget>(graph, "Lab2_2")->isHidden() == one);
      QVERIFY(Control<QWidget>(graph, "Line1_1")->isHidden() == one);
      Click(graph, "donebutton");
      SettleClosedWindows();
      QCOMPARE(QGuiApplication::modalWindow(), nullptr);
    }
  }

  // A pick changes the odds, marked "+" where they rose; Clear picks goes back; no file changes.
  // Which way a pick moves them is the tool's test.
  void OddsPicksChangeTheOddsAndClearPicksGoesBack() {
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
    const auto playoffs = [odds] {
      QString column;
      for (int row = 0; row < odds->rowCount(); ++row) column += odds->item(row, 4)->text() + ";";
      return column;
    };
    const QString as_is = playoffs();
    for (int game = 0; game < picks->rowCount(); ++game)
      qobject_cast<QComboBox*>(picks->cellWidget(game, 3))->setCurrentIndex(1);
    Click(window, "whatifbutton");
    QVERIFY2(playoffs() != as_is && playoffs().contains(" +"), qPrintable(playoffs()));
    Click(window, "clearpicksbutton");
    QCOMPARE(playoffs(), as_is);
    QCOMPARE(FolderFiles(s.folder.path()), files);
  }
};

QTEST_MAIN(ViewWindowsTest)
#include "view_windows_test.moc"
