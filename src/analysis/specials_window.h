#pragma once
// The play-off and single game predictions window `Specials`: team labels grouped by
// conference and division to pick a pairing, and the list of predictions made.

#include <QWidget>
#include <array>

#include "analysis/specials_model.h"
#include "platform/session.h"
#include "season/season_store.h"

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;

namespace tavrin {

class ReportListView;

class SpecialsWindow : public QWidget {
  Q_OBJECT

 public:
  explicit SpecialsWindow(Session& session);

  // Label colours from the 16-colour palette.
  static constexpr int PickedColour = 12;
  static constexpr int UnpickedColour = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildTeamFrames();
  void OnTeamLabelClicked(int team);
  void OnPredict();
  void OnRemoveGame();
  // Shows the model's picks: label colours, the pairing and the game box.
  void RefreshPicks();
  // Shows the model's prediction list.
  void RefreshList();

  Session& session_;
  SpecialsModel model_;
  std::array<QLabel*, MaxTeamSlot + 1> Clabel_{};
  QFrame* gamebox_;
  QLabel* gamelabel_;
  QCheckBox* neutralcheck_;
  ReportListView* prediction_list_;
  QPushButton* donebutton_;
};

// The "Play-Off & Single Game Predictions" entry: loads the latest ratings and opens the
// window in front of the disabled main window. Null after the refusal message.
QWidget* OpenSpecialsWindow(Session& session, QWidget* main_window);

}  // namespace tavrin
