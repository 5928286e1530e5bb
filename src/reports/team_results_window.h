#pragma once
// The team results window `TResults`: the user picks a team, then sees its season game by game
// with its record.

#include <QWidget>
#include <string>
#include <vector>

#include "platform/session.h"

class QComboBox;
class QPushButton;

namespace tavrin {

class ReportListView;

class TeamResultsWindow : public QWidget {
  Q_OBJECT

 public:
  explicit TeamResultsWindow(Session& session);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void AcceptTeam();
  void OnPrint();

  Session& session_;
  std::vector<std::string> lines_;
  QComboBox* team_choice_;
  QPushButton* schbutton_;
  QPushButton* infobutton_;
  ReportListView* results_list_;
  QPushButton* Donebutton_;
  QPushButton* Printbutton_;
};

// The "Results by Team" entry: opens the window in front of the disabled main window.
QWidget* OpenTeamResultsWindow(Session& session, QWidget* main_window);

}  // namespace tavrin
