#pragma once
// The season projection window `Pseason`: the play-off bracket of seven boxes, from the four
// contenders through the conference champions to the championship winner.

#include <QDialog>
#include <array>

#include "analysis/season_projection.h"
#include "platform/session.h"

class QLabel;

namespace tavrin {

class SeasonProjectionWindow : public QDialog {
  Q_OBJECT

 public:
  SeasonProjectionWindow(Session& session, const SeasonProjection& projection, QWidget* owner);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::array<QLabel*, ProjectionBoxCount + 1> box_labels_{};
};

// The "Predict Season / Playoffs" entry: runs the command's checks and, when they pass, opens
// the window in front of the main window. Null when refused.
QDialog* OpenSeasonProjectionWindow(Session& session, QWidget* main_window);

}  // namespace tavrin
