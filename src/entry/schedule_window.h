#pragma once
// The schedule entry window `Schedule`: a week's games built by clicking the visiting and the
// home team, listed with their days, loaded from and saved to the season's schedule file.

#include <QWidget>
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

class ScheduleEntryWindow : public QWidget {
 public:
  explicit ScheduleEntryWindow(Session& session);

 protected:
  // Games listed but not saved are dropped only when the user agrees.
  void closeEvent(QCloseEvent* event) override;

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
  void Text2_Change();
  void AddListLine(const ScheduledGame& game);
  void ShowPairing();

  Session& session_;
  TeamPairPicker picker_;
  std::vector<ScheduledGame> games_;  // game k is line k of the list
  bool typed_ = false;                // games added or removed since the last clear, load or save

  std::array<QPushButton*, MaxTeamSlot + 1> Clabel_{};
  QGroupBox* gamebox_ = nullptr;
  std::array<QRadioButton*, 8> Option1_{};
  QLabel* gamelabel_ = nullptr;
  QListWidget* game_list_;
  QLineEdit* Text2_;
  QLabel* Label8_;
};

// The "&Enter / Edit Schedule" command: opens the window in front of `main_window`.
ScheduleEntryWindow* OpenScheduleWindow(Session& session, QWidget* main_window);

}  // namespace tavrin
