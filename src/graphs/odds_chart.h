#pragma once
// The play-off odds through the season, drawn on the rating graph's canvas: one or two teams'
// chances of a play-off place (solid) and of their division (dotted) after each played week,
// and the printout that places the chart on the page with its legend and the date.

#include <string>
#include <vector>

#include "analysis/odds_history.h"
#include "graphs/rating_chart.h"
#include "platform/canvas.h"
#include "platform/session.h"

namespace tavrin {

struct OddsChartData {
  std::vector<OddsHistory> teams;  // one or two
  int weeks_in_season = 17;
};

// Week w's point at `percent` in the drawing area's twips.
ChartPoint OddsPoint(int week, double percent);

void DrawOddsChart(Canvas& canvas, const OddsChartData& chart);

// The print button: nothing on Cancel.
void PrintOddsChart(Session& session, const OddsChartData& chart);

}  // namespace tavrin
