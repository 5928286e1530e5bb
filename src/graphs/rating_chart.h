#pragma once
// The rating trend chart drawn on a canvas in the drawing area's units (twips from its top-left,
// y downwards): the grid and its labels, the upright "RATING", the curves of one or two teams,
// and the printout that places the chart on the page with its legend and the date.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "graphs/rating_series.h"
#include "platform/canvas.h"
#include "platform/session.h"
#include "season/season_store.h"

namespace tavrin {

inline constexpr double ChartAreaWidth = 8595;
inline constexpr double ChartAreaHeight = 4995;
// The axes both charts draw on the area: the upright axis, the week axis, the grid lines' right
// end (beyond the area's edge, so the lines run to it), each week's width, and the area's font.
inline constexpr double ChartAxisX = 660;
inline constexpr double ChartWeekAxisY = 4420;
inline constexpr double ChartGridRight = 8800;
inline constexpr double ChartWeekWidth = 380;
inline constexpr const char* ChartFontName = "";  // the drawing area's own font
inline constexpr double ChartFontPoints = 8;
// The curves draw blocks 0..18 whatever the season's length.
inline constexpr int LastDrawnBlock = 18;
inline constexpr int TeamOneCurveColour = 12;  // light red
inline constexpr int TeamTwoCurveColour = 0;   // black
inline constexpr int TeamOnePrintedLegendColour = 4;

struct ChartPoint {
  double x = 0;
  double y = 0;
  bool operator==(const ChartPoint&) const = default;
};
// Block b straight above week label b; a rating of 30 on the week axis, 70 units a point.
ChartPoint RatingPoint(int block, double rating);

// The whole chart: grid, axis titles, team one's curve, and team two's in mode 2.
void DrawRatingChart(Canvas& canvas, const RatingChartData& chart);
void DrawRatingGrid(Canvas& canvas);
void DrawAxisTitles(Canvas& canvas);
// One team's curve from block 0 to its last block with a value; values of 0 are not drawn.
void DrawRatingCurve(Canvas& canvas, const RatingSeries& series, int colour);

// LocationName + " " + TeamName: the legend's caption for a team.
std::string LegendCaption(const SeasonStore& store, int team);

// One team of a printed chart's legend: its stroke's colour and where it stands across the page
// (a fraction of the page's width).
struct PrintedLegendEntry {
  double x;
  int colour;
  int team;
};

// Prints a chart of the drawing area's size: asks first, draws it scaled onto the page, then the
// legend entries in order below it and the date. Nothing on Cancel. Both charts print this way.
void PrintChartPage(Session& session, const std::function<void(Canvas&)>& draw,
                    const std::vector<PrintedLegendEntry>& legend);

// The print button: the chart scaled onto the page, the legend strokes and captions below
// it, and the date. Nothing on Cancel.
void PrintRatingChart(Session& session, const RatingChartData& chart);

// The info button: what the chart shows.
void ShowRatingExplanation(UserInterface& ui);

}  // namespace tavrin
