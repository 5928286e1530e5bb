#pragma once
// The names and locations editor `Namesform`: every team's location and nickname, grouped by
// conference and division, saved to the names file on request.

#include <QWidget>
#include <array>

#include "platform/session.h"
#include "season/season_store.h"

class QLineEdit;

namespace tavrin {

class NamesWindow : public QWidget {
 public:
  explicit NamesWindow(Session& session);

 private:
  QWidget* BuildConference(int conference);
  void OnSave();
  // A double quote or line break typed or pasted into a box is refused on the spot.
  void RefuseUnstorableText(QLineEdit* box);

  Session& session_;
  std::array<QLineEdit*, MaxTeamSlot + 1> Text1_{};  // locations
  std::array<QLineEdit*, MaxTeamSlot + 1> Text2_{};  // team names
};

// The "&Names and Locations" command: opens the editor in front of `main_window`.
NamesWindow* OpenNamesWindow(Session& session, QWidget* main_window);

}  // namespace tavrin
