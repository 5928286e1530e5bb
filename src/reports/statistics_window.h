#pragma once
// The statistics window `VStatsform`: every team's figures at one point of the season, sorted
// four ways.

#include <QDialog>
#include <string>
#include <vector>

#include "platform/session.h"
#include "reports/statistics_view.h"

namespace tavrin {

class ReportListView;

class StatisticsWindow : public QDialog {
  Q_OBJECT

 public:
  // `week` is the week the shown block opens (entry index + 1).
  StatisticsWindow(Session& session, int week, std::vector<std::string> lines, QWidget* owner);

 private:
  void OnSortOrderChosen(StatisticsOrder order);
  void OnPrint();

  Session& session_;
  int week_;
  std::vector<std::string> lines_;
  ReportListView* statistics_list_;
};

// The statistics after week `block` (0: the season's start): runs the command's checks and, when
// they pass, opens the window in front of the main window. Null when refused.
QDialog* OpenStatisticsWindow(Session& session, int block, QWidget* main_window);

}  // namespace tavrin
