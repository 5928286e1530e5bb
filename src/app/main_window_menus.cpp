// The main window's menu tree: captions with their access keys, the design names of the
// menus and entries (as object names), and the week entries made at start-up.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <string_view>

#include "app/main_window.h"
#include "platform/qt/latin1_text.h"
#include "platform/qt/window_keys.h"
#include "season/season_change.h"

namespace tavrin {
namespace {

QAction* AddEntry(QMenu* menu, const QString& caption, const char* name) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  return action;
}

QMenu* AddMenu(QMenuBar* bar, const QString& title, const char* name) {
  QMenu* menu = bar->addMenu(title);
  menu->setObjectName(name);
  menu->menuAction()->setObjectName(name);
  return menu;
}

}  // namespace

QMenu* MainWindow::AddWeekMenu(QMenu* parent, const QString& title, const char* name,
                               const char* entry_name, const std::vector<std::string>& captions,
                               void (MainWindow::*command)(int)) {
  QMenu* weeks = parent->addMenu(title);
  weeks->setObjectName(name);
  weeks->menuAction()->setObjectName(name);
  for (std::size_t index = 0; index < captions.size(); ++index) {
    QAction* entry = weeks->addAction(qt::FromLatin1(captions[index]));
    entry->setObjectName(QString("%1_%2").arg(entry_name).arg(index));
    entry->setProperty("index", static_cast<int>(index));
    connect(entry, &QAction::triggered, this,
            [this, command, index] { (this->*command)(static_cast<int>(index)); });
  }
  return weeks;
}

void MainWindow::BuildMenus(const WeekMenuCaptions& weeks) {
  QMenuBar* bar = menuBar();

  QMenu* file = AddMenu(bar, "&File", "Filemenu");
  connect(AddEntry(file, "&Programming Information", "programmermenu"), &QAction::triggered, this,
          &MainWindow::OnShowProgrammingInformation);
  QAction* settings = AddEntry(file, "Tavrin &Settings", "Settingsmenu");
  connect(settings, &QAction::triggered, this, &MainWindow::OnEditSettings);
  connect(AddEntry(file, "P&rinter Setup", "printsetupmenu"), &QAction::triggered, this,
          &MainWindow::OnPrinterSetup);
  print_pdf_action_ = AddEntry(file, "Print to P&DF...", "printpdfmenu");
  connect(print_pdf_action_, &QAction::triggered, this, &MainWindow::OnPrintToPdf);
  QAction* import = AddEntry(file, "&Import Season...", "ImportSeasonmenu");
  connect(import, &QAction::triggered, this, &MainWindow::OnImportSeason);
  connect(AddEntry(file, "&Export Season...", "ExportSeasonmenu"), &QAction::triggered, this,
          &MainWindow::OnExportSeason);
  QAction* exit = AddEntry(file, "E&xit", "ExitMenu");
  exit->setShortcut(QKeySequence::Quit);
  connect(exit, &QAction::triggered, qApp, &QCoreApplication::quit);

  edit_menu_ = AddMenu(bar, "&Edit", "Editmenu");
  // Copy takes the chosen lines of the listing on show; Cut and Paste have nothing to work on.
  for (const char* placeholder : {"Cut", "Copy", "Paste"}) {
    QAction* entry = AddEntry(edit_menu_, placeholder, "Editmenudis");
    entry->setEnabled(false);
    if (std::string_view(placeholder) == "Copy") copy_action_ = entry;
  }
  copy_action_->setShortcut(QKeySequence::Copy);
  connect(copy_action_, &QAction::triggered, this, [this] {
    if (QListWidget* list = ShownListing())
      QGuiApplication::clipboard()->setText(qt::ChosenLines(list));
  });
  edit_menu_->addSeparator()->setObjectName("menudivider1");
  editors_[0] = AddEntry(edit_menu_, "&Names and Locations", "Namesmenu");
  editors_[1] = AddEntry(edit_menu_, "&Weekly Statistics", "Editstatsmenu");
  connect(editors_[0], &QAction::triggered, this, &MainWindow::OnEditNames);
  connect(editors_[1], &QAction::triggered, this, &MainWindow::OnEditStatistics);

  schedules_menu_ = AddMenu(bar, "&Schedules", "SchedMenu");
  AddWeekMenu(schedules_menu_, "View &Weekly Schedules", "ViewSchedulesMenu", "Weeksmenu",
              weeks.schedules, &MainWindow::OnScheduleWeekChosen);
  connect(AddEntry(schedules_menu_, "View Entire &Season", "Entireseasonmenu"), &QAction::triggered,
          this, &MainWindow::OnShowSeasonSchedule);
  connect(AddEntry(schedules_menu_, "View Schedules by &Team", "Teamschedulemenu"),
          &QAction::triggered, this, &MainWindow::OnShowTeamSchedule);
  QAction* schedule_entry =
      AddEntry(schedules_menu_, "&Enter / Edit Schedule", "Enterschedulemenu");
  connect(schedule_entry, &QAction::triggered, this, &MainWindow::OnEnterSchedule);
  QAction* new_season = AddEntry(schedules_menu_, "&New Season Setup", "NewSeasonmenu");
  connect(new_season, &QAction::triggered, this, &MainWindow::OnNewSeason);

  games_menu_ = AddMenu(bar, "&Games", "Gamesmenu");
  AddWeekMenu(games_menu_, "&View Statistics  (weekly)", "Viewstatsmenu", "ViewWKStats",
              weeks.statistics, &MainWindow::OnShowStatistics);
  QMenu* scores = AddWeekMenu(games_menu_, "&Enter Scores", "Escoresmenu", "SWeek", weeks.scores,
                              &MainWindow::OnScoresWeekChosen);
  AddWeekMenu(games_menu_, "&Predictions", "Predmenu", "PredWeekmenu", weeks.predictions,
              &MainWindow::OnShowPredictions);
  AddWeekMenu(games_menu_, "&Weekly Results", "ResultMenus", "WeekResultMenu", weeks.results,
              &MainWindow::OnShowWeeklyResults);
  connect(AddEntry(games_menu_, "&Results by Team", "teamresultsmenu"), &QAction::triggered, this,
          &MainWindow::OnShowTeamResults);
  QMenu* graphs = games_menu_->addMenu("&Graph Team Ratings");
  graphs->setObjectName("Gteammenu");
  connect(AddEntry(graphs, "&Single Team Rating", "singlegraphmenu"), &QAction::triggered, this,
          &MainWindow::OnShowSingleTeamRating);
  connect(AddEntry(graphs, "&Compare Team Ratings", "Graphtwoteammenu"), &QAction::triggered, this,
          &MainWindow::OnCompareTeamRatings);
  graphs->addSeparator();
  connect(AddEntry(graphs, "Play-off &Odds of a Team", "Graphoddsmenu"), &QAction::triggered, this,
          &MainWindow::OnShowTeamOddsGraph);
  connect(AddEntry(graphs, "Compare &Play-off Odds", "Graphtwooddsmenu"), &QAction::triggered, this,
          &MainWindow::OnCompareTeamOddsGraphs);
  connect(AddEntry(games_menu_, "Play-&Off && Single Game Predictions", "Specialsmenu"),
          &QAction::triggered, this, &MainWindow::OnShowSingleGamePredictions);
  connect(AddEntry(games_menu_, "Predict &Season / Playoffs", "Pseasonmenu"), &QAction::triggered,
          this, &MainWindow::OnShowSeasonProjection);
  connect(AddEntry(games_menu_, "Season Scorecard", "Scorecardmenu"), &QAction::triggered, this,
          &MainWindow::OnShowScorecard);

  standings_menu_ = AddMenu(bar, "S&tandings", "standingsmenu");
  AddWeekMenu(standings_menu_, "&View Standings", "standingsvmenu", "StandingsWKmenu",
              weeks.standings, &MainWindow::OnShowStandings);
  connect(AddEntry(standings_menu_, "Play-off &Odds", "PlayoffOddsmenu"), &QAction::triggered, this,
          &MainWindow::OnShowPlayoffOdds);
  connect(AddEntry(standings_menu_, "&Seeds", "Seedsmenu"), &QAction::triggered, this,
          &MainWindow::OnShowConferenceSeeds);

  QMenu* help = AddMenu(bar, "&Help", "HelpMenu");
  connect(AddEntry(help, "Help   --   &Instructions", "Instructionsmenu"), &QAction::triggered,
          this, &MainWindow::OnHelpContents);
  connect(AddEntry(help, "Search for Help on...", "helpsearchmenu"), &QAction::triggered, this,
          &MainWindow::OnSearchHelp);
  connect(AddEntry(help, "&About Tavrin", "AboutMenu"), &QAction::triggered, this,
          &MainWindow::OnAbout);

  season_savers_ = {settings,       import,     editors_[0],         editors_[1],
                    schedule_entry, new_season, scores->menuAction()};
}

void MainWindow::SetMenuStates(const MenuStates& states) {
  const std::pair<QMenu*, bool> menus[] = {{schedules_menu_, states.schedules},
                                           {games_menu_, states.games},
                                           {standings_menu_, states.standings}};
  for (const auto& [menu, enabled] : menus) {
    menu->setEnabled(enabled);
    menu->menuAction()->setEnabled(enabled);
  }
  // The Edit menu stays open for Copy while a listing is shown; only its editors are locked.
  for (QAction* editor : editors_) editor->setEnabled(states.edit);
  copy_action_->setEnabled(!states.edit);
  print_pdf_action_->setEnabled(!states.edit);
  // A season another program holds is looked at and printed, never saved.
  if (SeasonReadOnlyReason(session_.folder)) {
    for (QAction* saver : season_savers_) saver->setEnabled(false);
  }
  ShowSeasonState();
}

MenuStates MainWindow::CurrentMenuStates() const {
  return {schedules_menu_->menuAction()->isEnabled(), games_menu_->menuAction()->isEnabled(),
          standings_menu_->menuAction()->isEnabled(), !copy_action_->isEnabled()};
}

}  // namespace tavrin
