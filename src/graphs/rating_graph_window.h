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
  RatingGraphWindow(Session& session, GraphTeams& teams, QWidget* owner);

  const RatingChartData& chart() const { return chart_; }

 private:
  QGridLayout* BuildLegend();

  Session& session_;
  GraphTeams& teams_;  // the main window's, for "Select Teams"
  RatingChartData chart_;
  std::string drawn_;  // the teams drawn, for the title and the print job's name
};

// Loads the series of the main window's graph `teams` and opens the graph in front of it.
QDialog* OpenRatingGraphWindow(Session& session, GraphTeams& teams, QWidget* main_window);

}  // namespace tavrin
