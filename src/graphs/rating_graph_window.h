#pragma once
// The rating trend graph window `GRform`: the chart of one or two teams' CQR over the season,
// its legend, and the buttons to print it, explain it, or pick other teams.

#include <QDialog>
#include <string>

#include "graphs/rating_chart.h"
#include "platform/session.h"

class QGridLayout;

namespace tavrin {

class RatingGraphWindow : public QDialog {
  Q_OBJECT

 public:
  RatingGraphWindow(Session& session, QWidget* owner);

  const RatingChartData& chart() const { return chart_; }

 private:
  QGridLayout* BuildLegend();

  Session& session_;
  RatingChartData chart_;
  std::string teams_;  // the teams drawn, for the title and the print job's name
};

// Loads both teams' series and opens the graph in front of the main window.
QDialog* OpenRatingGraphWindow(Session& session, QWidget* main_window);

}  // namespace tavrin
