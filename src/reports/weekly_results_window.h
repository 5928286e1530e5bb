#pragma once
// The weekly results window `VResults`: one week's predictions against its results.

#include <QWidget>
#include <string>
#include <vector>

#include "platform/session.h"

class QPushButton;

namespace tavrin {

class ReportListView;

class WeeklyResultsWindow : public QWidget {
  Q_OBJECT

 public:
  WeeklyResultsWindow(Session& session, std::vector<std::string> lines);

 private:
  void OnPrint();

  Session& session_;
  std::vector<std::string> lines_;
  ReportListView* results_list_;
  QPushButton* donebutton_;
  QPushButton* printbutton_;
};

// The weekly results entry with index menu_index: runs the command's checks and, when they
// pass, opens the window in front of the disabled main window. Null when refused.
QWidget* OpenWeeklyResultsWindow(Session& session, int menu_index, QWidget* main_window);

}  // namespace tavrin
