#pragma once
// The statistics editor window `Statedit`: load any week's statistics block, step through the
// teams, correct a team's figures and write the block back.

#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "platform/session.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tavrin {

class StatsEditorWindow : public QWidget {
 public:
  static constexpr int ValueBoxCount = 8;

  explicit StatsEditorWindow(Session& session);

 protected:
  // Typed figures not yet saved are dropped only when the user agrees.
  void closeEvent(QCloseEvent* event) override;

 private:
  void Text1_Change();
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
  QLineEdit* Text1_;
  QPushButton* Savebutton_;
  QLabel* Teamlabel_;
  std::array<QLineEdit*, ValueBoxCount> Text2_{};
};

// The "&Weekly Statistics" command: opens the editor in front of `main_window`.
StatsEditorWindow* OpenStatsEditorWindow(Session& session, QWidget* main_window);

}  // namespace tavrin
