#pragma once
// The season scorecard window: the scorecard's table over its chart of the picks right so far,
// with print and close buttons.

#include <QWidget>
#include <string>
#include <vector>

#include "graphs/scorecard_chart.h"
#include "platform/session.h"

namespace tavrin {

// The chart on white, drawn in its twips.
class PickChartArea : public QWidget {
  Q_OBJECT

 public:
  PickChartArea(QWidget* parent, const PickChartData& chart, double left, double top);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const PickChartData& chart_;
};

class ScorecardWindow : public QWidget {
  Q_OBJECT

 public:
  ScorecardWindow(Session& session, std::vector<std::string> lines, PickChartData chart);

  const PickChartData& chart() const { return chart_; }

 private:
  Session& session_;
  std::vector<std::string> lines_;
  PickChartData chart_;
};

// The Season Scorecard entry: builds the scorecard through the last scored week and, unless a
// message refused it, opens the window in front of the disabled main window.
QWidget* OpenScorecardWindow(Session& session, QWidget* main_window);

}  // namespace tavrin
