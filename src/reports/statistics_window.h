#pragma once
// The statistics window `VStatsform`: every team's figures at one point of the season, sorted
// four ways.

#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "platform/session.h"
#include "reports/statistics_view.h"

class QPushButton;
class QRadioButton;

namespace tavrin {

class ReportListView;

class StatisticsWindow : public QWidget {
  Q_OBJECT

 public:
  // `week` is the week the shown block opens (entry index + 1).
  StatisticsWindow(Session& session, int week, std::vector<std::string> lines);

 private:
  void OnSortOrderChosen(StatisticsOrder order);
  void OnPrint();

  Session& session_;
  int week_;
  std::vector<std::string> lines_;
  ReportListView* statistics_list_;
  std::array<QRadioButton*, 4> Option1_{};
  QPushButton* Donebutton_;
  QPushButton* printbutton_;
};

// The statistics entry with index menu_index: runs the command's checks and, when they pass,
// opens the window in front of the disabled main window. Null when refused.
QWidget* OpenStatisticsWindow(Session& session, int menu_index, QWidget* main_window);

}  // namespace tavrin
