#pragma once
// The rating trend graph window `GRform`: the chart of one or two teams' CQR over the season,
// its legend, and the buttons to print it, explain it, or pick other teams.

#include <QWidget>
#include <string>

#include "graphs/rating_chart.h"
#include "platform/session.h"

namespace tavrin {

// The drawing area `Picture1`: the chart on white, drawn in the area's twips.
class RatingChartArea : public QWidget {
  Q_OBJECT

 public:
  RatingChartArea(QWidget* parent, const RatingChartData& chart);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const RatingChartData& chart_;
};

class RatingGraphWindow : public QWidget {
  Q_OBJECT

 public:
  RatingGraphWindow(Session& session, QWidget* main_window);

  const RatingChartData& chart() const { return chart_; }

 private:
  void BuildLegend();

  Session& session_;
  QWidget* main_window_;
  RatingChartData chart_;
  std::string teams_;  // the teams drawn, for the title and the print job's name
};

// Loads both teams' series and opens the graph in front of the disabled main window.
QWidget* OpenRatingGraphWindow(Session& session, QWidget* main_window);

}  // namespace tavrin
