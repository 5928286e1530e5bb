#pragma once
// The main window `Form2`: the menu tree with its week entries, the toolbar of five picture
// buttons with hover captions, the schedule panel (`List1`) and the report panel (`List2`)
// with their buttons, and the window's own size, activate and close behaviour. Its load step
// (the constructor) reads the settings and names into the store.

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "app/main_window_rules.h"
#include "app/startup_loading.h"
#include "graphs/graph_teams.h"
#include "platform/session.h"
#include "season/season_store.h"

class QAction;
class QComboBox;
class QDialog;
class QFrame;
class QHBoxLayout;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QToolButton;

namespace tavrin {

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr int DesignWidthTwips = 9555;
  static constexpr int DesignHeightTwips = 6225;
  static constexpr int CaptionHideMilliseconds = 4000;

  MainWindow(SeasonStore& store, UserInterface& ui, std::filesystem::path folder,
             QWidget* parent = nullptr);

  // The listings as shown, line by line (Latin-1, as the reports wrote them).
  const std::vector<std::string>& ScheduleLines() const { return schedule_lines_; }
  const std::vector<std::string>& ReportLines() const { return report_lines_; }
  MenuStates CurrentMenuStates() const;
  // The season's progress as the toolbar needs it, from the store and the season's files.
  SeasonProgress CurrentSeasonProgress() const;
  // The size the window opens at the first time, and the least it may be made.
  QSize DesignSize() const;

  // Toolbar button k, as a click does it.
  void ClickTool(ToolbarButton button);

  // Called by the splash when it is dismissed.
  void ShowFromSplash();
  Session& session() { return session_; }
  // The teams the graphs were last chosen for.
  const GraphTeams& graph_teams() const { return graph_teams_; }
  // Tells in the status line that week `week` was processed and saved.
  void ShowWeekSaved(int week);

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Layout and pictures.
  void CentreOnScreen();
  void BuildControls();
  QHBoxLayout* BuildToolbar();
  QWidget* BuildSchedulePanel();
  QWidget* BuildReportPanel();
  void ApplyLowColourPictures();
  // The season's year in the title, and toolbar buttons enabled only where they would act.
  void ShowSeasonState();

  // Menus (main_window_menus.cpp).
  void BuildMenus(const WeekMenuCaptions& weeks);
  QMenu* AddWeekMenu(QMenu* parent, const QString& title, const char* name, const char* entry_name,
                     const std::vector<std::string>& captions, void (MainWindow::*command)(int));
  void SetMenuStates(const MenuStates& states);

  // Toolbar hover captions.
  void ShowHoverCaption(int button);
  void HideHoverCaptions();

  // The schedule panel (main_window_panels.cpp).
  void OnScheduleWeekChosen(int index);
  void OnShowSeasonSchedule();
  void OnShowTeamSchedule();
  void AcceptScheduleTeam();
  void OnCloseSchedule();
  void OnPrintSchedule();
  void OpenSchedulePanel(std::vector<std::string> lines);
  void HideTeamChoice();

  // The report panel (main_window_panels.cpp).
  void OnShowPredictions(int index);
  void OnShowStandings(int index);
  void OnClosePredictions();
  void OnPrintPredictions();
  void OnCloseStandings();
  void OnPrintStandings();
  void OpenReportPanel(ListingPanel panel, std::vector<std::string> lines);
  // The listing on show, for Edit > Copy.
  QListWidget* ShownListing() const;
  // The print and close buttons of the listing on show, for Ctrl+P and Escape; null when none.
  QPushButton* ShownListingPrintButton() const;
  QPushButton* ShownListingCloseButton() const;
  // File > Print to PDF...: the listing on show, to a PDF file the user names.
  void OnPrintToPdf();
  void CloseReportPanel();

  // File and Help commands, and the windows still to come (main_window_commands.cpp).
  void OnShowProgrammingInformation();
  void OnEditSettings();
  void OnPrinterSetup();
  void OnImportSeason();
  void OnExportSeason();
  void OnEditNames();
  void OnEditStatistics();
  void OnEnterSchedule();
  void OnNewSeason();
  void OnShowStatistics(int index);
  void OnScoresWeekChosen(int index);
  void OnShowWeeklyResults(int index);
  void OnShowTeamResults();
  void OnShowSingleTeamRating();
  void OnCompareTeamRatings();
  void OnShowTeamOddsGraph();
  void OnCompareTeamOddsGraphs();
  void OnShowSingleGamePredictions();
  void OnShowSeasonProjection();
  void OnShowScorecard();
  void OnShowPlayoffOdds();
  void OnShowConferenceSeeds();
  void OnHelpContents();
  void OnSearchHelp();
  void OnAbout();
  // A window opened in front of the main window: once it closes, the title and the toolbar
  // show what it may have changed (the year, the weeks scored).
  void FollowDialog(QDialog* dialog);

  Session session_;
  GraphTeams graph_teams_;
  std::vector<std::string> schedule_lines_;
  std::vector<std::string> report_lines_;
  // The print jobs of the listings on show, named after their week or team.
  std::string schedule_job_;
  std::string report_job_;
  ListingPanel report_panel_ = ListingPanel::None;

  QMenu* schedules_menu_ = nullptr;
  QMenu* games_menu_ = nullptr;
  QMenu* standings_menu_ = nullptr;
  QMenu* edit_menu_ = nullptr;
  QAction* copy_action_ = nullptr;
  QAction* print_pdf_action_ = nullptr;
  std::array<QAction*, 2> editors_{};  // Namesmenu, Editstatsmenu
  // The commands that save the season, unavailable while another program holds its folder.
  std::array<QAction*, 7> season_savers_{};

  std::array<QToolButton*, 5> tool_buttons_{};
  std::array<QLabel*, 5> hover_captions_{};
  QTimer* caption_timer_;

  QLabel* schedule_title_ = nullptr;
  QFrame* schedule_frame_ = nullptr;
  QListWidget* schedule_list_ = nullptr;
  QComboBox* team_choice_ = nullptr;
  QPushButton* team_accept_button_ = nullptr;
  QPushButton* schedule_close_button_ = nullptr;
  QPushButton* schedule_print_button_ = nullptr;

  QFrame* report_frame_ = nullptr;
  QListWidget* report_list_ = nullptr;
  QPushButton* predictions_close_button_ = nullptr;
  QPushButton* predictions_print_button_ = nullptr;
  QPushButton* standings_close_button_ = nullptr;
  QPushButton* standings_print_button_ = nullptr;
};

}  // namespace tavrin
