#pragma once
// The play-off and single game predictions window `Specials`: team labels grouped by
// conference and division to pick a pairing, and the list of predictions made.

#include <QDialog>
#include <array>

#include "analysis/specials_model.h"
#include "platform/session.h"
#include "season/season_store.h"

class QCheckBox;
class QFrame;
class QHBoxLayout;
class QLabel;

namespace tavrin {

class ReportListView;

class SpecialsWindow : public QDialog {
  Q_OBJECT

 public:
  SpecialsWindow(Session& session, QWidget* owner);

  // Label colours from the 16-colour palette.
  static constexpr int PickedColour = 12;
  static constexpr int UnpickedColour = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QHBoxLayout* BuildTeamFrames();
  QHBoxLayout* BuildGameRow();
  void OnTeamLabelClicked(int team);
  void OnPredict();
  void OnRemoveGame();
  // Shows the model's picks: label colours, the pairing and the game box.
  void RefreshPicks();
  // Shows the model's prediction list.
  void RefreshList();

  Session& session_;
  SpecialsModel model_;
  std::array<QLabel*, MaxTeamSlot + 1> team_labels_{};
  QFrame* game_box_ = nullptr;
  QLabel* game_label_ = nullptr;
  QCheckBox* neutral_check_ = nullptr;
  ReportListView* prediction_list_ = nullptr;
};

// The "Play-Off & Single Game Predictions" entry: loads the latest ratings and opens the
// window in front of the main window. Null after the refusal message.
QDialog* OpenSpecialsWindow(Session& session, QWidget* main_window);

}  // namespace tavrin
