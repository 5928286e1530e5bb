#pragma once
// The play-off odds graph window `OddsGraph`: one or two teams' odds after every played week,
// its legend, and the buttons to print it or close it.

#include <QDialog>
#include <string>

#include "graphs/graph_teams.h"
#include "graphs/odds_chart.h"
#include "platform/session.h"

namespace tavrin {

class OddsChartWindow : public QDialog {
  Q_OBJECT

 public:
  OddsChartWindow(Session& session, OddsChartData chart, QWidget* owner);

  const OddsChartData& chart() const { return chart_; }

 private:
  Session& session_;
  OddsChartData chart_;
  std::string teams_;  // the teams drawn, for the title and the print job's name
};

// Computes the odds after every played week of the graph's team or teams, with a progress dialog
// when it takes more than a blink, and opens the graph in front of `main_window`. Null when the
// odds are refused.
QDialog* OpenOddsChartWindow(Session& session, const GraphTeams& teams, QWidget* main_window);

}  // namespace tavrin
