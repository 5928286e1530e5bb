#pragma once
// The schedule entry window `Schedule`: a week's games built by clicking the visiting and the
// home team, listed with their days, loaded from and saved to the season's schedule file.

#include <QDialog>
#include <array>
#include <vector>

#include "entry/schedule_save.h"
#include "platform/session.h"
#include "season/season_store.h"
#include "season/team_pair_picker.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tavrin {

class ScheduleEntryWindow : public QDialog {
 public:
  ScheduleEntryWindow(Session& session, QWidget* owner);

  // Games listed but not saved are dropped only when the user agrees.
  void reject() override;

 protected:
  // A team with the focus stands out as a raised button, so the keyboard user sees where Space
  // would pick.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildConference(int conference);
  QWidget* BuildGameBox();
  // Each team's button in the colour of its state in the pairing being built.
  void ShowTeamStates();

  void OnTeamLabelClicked(int team);
  void OnReverseTeams();
  void OnAddGame();
  void OnRemoveGame();
  // True unless the user declined the question.
  bool ClearList();
  void OnLoadWeek();
  void OnSave();
  void OnWeekEdited();
  void AddListLine(const ScheduledGame& game);
  void ShowPairing();

  Session& session_;
  TeamPairPicker picker_;
  std::vector<ScheduledGame> games_;  // game k is line k of the list
  bool typed_ = false;                // games added or removed since the last clear, load or save

  std::array<QPushButton*, MaxTeamSlot + 1> team_buttons_{};
  QGroupBox* game_box_ = nullptr;
  std::array<QRadioButton*, 8> day_options_{};
  QLabel* game_label_ = nullptr;
  QListWidget* game_list_;
  QLineEdit* week_box_;
};

// The "&Enter / Edit Schedule" command: opens the window in front of `main_window`.
ScheduleEntryWindow* OpenScheduleWindow(Session& session, QWidget* main_window);

}  // namespace tavrin
