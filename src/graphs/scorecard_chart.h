#pragma once
// The season scorecard's chart, drawn on a canvas in its own twips (y downwards): the share of
// picks right so far after each week, Tavrin's line and the market's when its lines are known;
// and the scorecard's printout, the report above the chart on one portrait page.

#include <optional>
#include <string>
#include <vector>

#include "analysis/season_scorecard.h"
#include "platform/canvas.h"
#include "platform/session.h"

namespace tavrin {

inline constexpr double ScorecardChartWidth = 8595;
inline constexpr double ScorecardChartHeight = 3400;
inline constexpr int TavrinLineColour = 12;  // light red, as a graphed team's rating
inline constexpr int MarketLineColour = 0;

struct PickChartData {
  int weeks = 1;  // the week axis: the season's weeks, or more when more were scored
  std::vector<std::optional<double>> tavrin;
  std::vector<std::optional<double>> market;  // empty when the market is not known
};
PickChartData PickChartFrom(const Scorecard& scorecard, int weeks_in_season);

// The percentage range shown: whole tens around the values, at least 20 points high, within
// 0..100; the whole range when there is no value.
struct PercentRange {
  int low = 0;
  int high = 100;
};
PercentRange PercentRangeFor(const PickChartData& chart);

void DrawScorecardChart(Canvas& canvas, const PickChartData& chart);

// The print button: the report's lines at the largest size up to 10 points that fits the upper
// part of the page, the chart below them, and the date. Nothing on Cancel.
void PrintSeasonScorecard(Session& session, const std::vector<std::string>& lines,
                          const PickChartData& chart);

}  // namespace tavrin
