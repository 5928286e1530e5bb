#pragma once
// The season scorecard window: the scorecard's table over its chart of the picks right so far,
// with print and close buttons.

#include <QDialog>
#include <string>
#include <vector>

#include "graphs/scorecard_chart.h"
#include "platform/session.h"

namespace tavrin {

class ScorecardWindow : public QDialog {
  Q_OBJECT

 public:
  ScorecardWindow(Session& session, std::vector<std::string> lines, PickChartData chart,
                  QWidget* owner);

 private:
  Session& session_;
  std::vector<std::string> lines_;
  PickChartData chart_;
};

// The Season Scorecard entry: builds the scorecard through the last scored week and, unless a
// message refused it, opens the window in front of the main window.
QDialog* OpenScorecardWindow(Session& session, QWidget* main_window);

}  // namespace tavrin
