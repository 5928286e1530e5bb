#pragma once
// The names and locations editor `Namesform`: every team's location and nickname, grouped by
// conference and division, saved to the names file on request.

#include <QDialog>
#include <array>

#include "platform/session.h"
#include "season/season_store.h"

class QLineEdit;

namespace tavrin {

class NamesWindow : public QDialog {
 public:
  NamesWindow(Session& session, QWidget* owner);

  // Names typed but not saved are dropped only when the user agrees.
  void reject() override;

 private:
  QWidget* BuildConference(int conference);
  void OnSave();
  // A double quote or line break typed or pasted into a box is refused on the spot.
  void RefuseUnstorableText(QLineEdit* box);

  Session& session_;
  bool typed_ = false;  // names typed since the window opened or last saved
  std::array<QLineEdit*, MaxTeamSlot + 1> location_boxes_{};
  std::array<QLineEdit*, MaxTeamSlot + 1> team_name_boxes_{};
};

// The "&Names and Locations" command: opens the editor in front of `main_window`.
NamesWindow* OpenNamesWindow(Session& session, QWidget* main_window);

}  // namespace tavrin
