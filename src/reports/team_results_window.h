#pragma once
// The team results window `TResults`: the user picks a team, then sees its season game by game
// with its record.

#include <QDialog>
#include <string>
#include <vector>

#include "platform/session.h"

class QComboBox;
class QPushButton;

namespace tavrin {

class ReportListView;

class TeamResultsWindow : public QDialog {
  Q_OBJECT

 public:
  TeamResultsWindow(Session& session, QWidget* owner);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void AcceptTeam();
  void OnPrint();

  Session& session_;
  std::vector<std::string> lines_;
  QWidget* team_row_;
  QComboBox* team_choice_;
  QPushButton* accept_button_;
  ReportListView* results_list_;
  QPushButton* close_button_;
  QPushButton* print_button_;
};

// The "Results by Team" entry: opens the window in front of the main window.
QDialog* OpenTeamResultsWindow(Session& session, QWidget* main_window);

}  // namespace tavrin
