#pragma once
// The statistics editor window `Statedit`: load any week's statistics block, step through the
// teams, correct a team's figures and write the block back.

#include <QDialog>
#include <array>
#include <optional>
#include <vector>

#include "platform/session.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tavrin {

class StatsEditorWindow : public QDialog {
 public:
  static constexpr int ValueBoxCount = 8;

  StatsEditorWindow(Session& session, QWidget* owner);

  // Typed figures not yet saved are dropped only when the user agrees.
  void reject() override;

 private:
  void OnWeekEdited();
  void OnLoadWeek();
  void OnSave();
  void StepTeam(int step);
  void ShowTeam();
  // Stores the shown team's boxes; false, with the refused box focused, when one is refused.
  bool StoreTeamBoxes();
  void OnHelp();

  Session& session_;
  std::optional<int> loaded_week_;  // nothing until a Load, and again once the week is changed
  bool typed_ = false;              // figures typed since the last load or save
  int team_ = 1;
  std::vector<QWidget*> team_controls_;
  QLineEdit* week_box_;
  QPushButton* save_button_;
  QLabel* team_label_;
  std::array<QLineEdit*, ValueBoxCount> value_boxes_{};
};

// The "&Weekly Statistics" command: opens the editor in front of `main_window`.
StatsEditorWindow* OpenStatsEditorWindow(Session& session, QWidget* main_window);

}  // namespace tavrin
