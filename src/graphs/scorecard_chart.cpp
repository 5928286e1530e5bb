#include "graphs/scorecard_chart.h"

#include <algorithm>
#include <cmath>

#include "graphs/area_canvas.h"
#include "presentation/report_printing.h"

namespace tavrin {

namespace {

constexpr double PlotLeft = 900;
constexpr double PlotRight = ScorecardChartWidth - 250;
constexpr double PlotTop = 450;
constexpr double PlotBottom = ScorecardChartHeight - 520;
constexpr double AreaFontPoints = 8;
constexpr double MarkHalfWidth = 40;

double WeekX(const PickChartData& chart, int week) {
  const double step = (PlotRight - PlotLeft) / chart.weeks;
  return PlotLeft + step * (week - 0.5);
}

double PercentY(const PercentRange& range, double percent) {
  return PlotBottom - (percent - range.low) * (PlotBottom - PlotTop) / (range.high - range.low);
}

void DrawGrid(Canvas& canvas, const PickChartData& chart, const PercentRange& range) {
  canvas.SetFont("", AreaFontPoints, false);
  canvas.SetPen(0, 1);
  canvas.SetPenStyle(PenStyle::Dotted);
  for (int percent = range.low; percent <= range.high; percent += 10) {
    const double y = PercentY(range, percent);
    if (percent > range.low) canvas.DrawLine(PlotLeft, y, PlotRight, y);
    const std::string label = std::to_string(percent) + "%";
    canvas.DrawText(PlotLeft - 80 - canvas.TextWidth(label), y - canvas.TextHeight(label) / 2,
                    label);
  }
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.SetPen(0, 2);
  canvas.DrawLine(PlotLeft, PlotTop, PlotLeft, PlotBottom);
  canvas.DrawLine(PlotLeft, PlotBottom, PlotRight, PlotBottom);
  for (int week = 1; week <= chart.weeks; ++week) {
    const std::string label = std::to_string(week);
    canvas.DrawText(WeekX(chart, week) - canvas.TextWidth(label) / 2, PlotBottom + 60, label);
  }
  const std::string axis = "Week #";
  canvas.DrawText((PlotLeft + PlotRight - canvas.TextWidth(axis)) / 2, PlotBottom + 280, axis);
  canvas.SetFont("", AreaFontPoints, true);
  canvas.DrawText(PlotLeft, 80, "Picks right so far");
}

// A line from week to week; a week without a value is passed over, and a lone value gets a
// short mark so that it shows.
void DrawPercentLine(Canvas& canvas, const PickChartData& chart, const PercentRange& range,
                     const std::vector<std::optional<double>>& percentages, int colour) {
  canvas.SetPen(colour, 2);
  std::optional<std::pair<double, double>> last;
  int drawn = 0;
  for (std::size_t index = 0; index < percentages.size(); ++index) {
    if (!percentages[index]) continue;
    const double x = WeekX(chart, static_cast<int>(index) + 1);
    const double y = PercentY(range, *percentages[index]);
    if (last) canvas.DrawLine(last->first, last->second, x, y);
    last = {x, y};
    ++drawn;
  }
  if (drawn == 1)
    canvas.DrawLine(last->first - MarkHalfWidth, last->second, last->first + MarkHalfWidth,
                    last->second);
}

void DrawLegendEntry(Canvas& canvas, double x, int colour, const std::string& caption) {
  canvas.SetPen(colour, 3);
  canvas.DrawLine(x, 170, x + 240, 170);
  canvas.SetFont("", AreaFontPoints, false);
  canvas.DrawText(x + 300, 170 - canvas.TextHeight(caption) / 2, caption);
}

}  // namespace

PickChartData PickChartFrom(const Scorecard& scorecard, int weeks_in_season) {
  PickChartData chart;
  chart.weeks = std::max({1, weeks_in_season, static_cast<int>(scorecard.weeks.size())});
  chart.tavrin = CumulativePickPercentages(scorecard, false);
  if (scorecard.market_known) chart.market = CumulativePickPercentages(scorecard, true);
  return chart;
}

PercentRange PercentRangeFor(const PickChartData& chart) {
  double lowest = 100, highest = 0;
  for (const auto* line : {&chart.tavrin, &chart.market}) {
    for (const auto& percent : *line) {
      if (!percent) continue;
      lowest = std::min(lowest, *percent);
      highest = std::max(highest, *percent);
    }
  }
  if (lowest > highest) return {};
  PercentRange range{static_cast<int>(std::floor((lowest - 5) / 10)) * 10,
                     static_cast<int>(std::ceil((highest + 5) / 10)) * 10};
  range.low = std::max(range.low, 0);
  range.high = std::min(range.high, 100);
  if (range.high - range.low < 20) {
    range.high = std::min(range.low + 20, 100);
    range.low = range.high - 20;
  }
  return range;
}

void DrawScorecardChart(Canvas& canvas, const PickChartData& chart) {
  const PercentRange range = PercentRangeFor(chart);
  DrawGrid(canvas, chart, range);
  DrawLegendEntry(canvas, PlotRight - 2700, TavrinLineColour, "Tavrin");
  DrawPercentLine(canvas, chart, range, chart.tavrin, TavrinLineColour);
  if (!chart.market.empty()) {
    DrawLegendEntry(canvas, PlotRight - 1350, MarketLineColour, "Market");
    DrawPercentLine(canvas, chart, range, chart.market, MarketLineColour);
  }
}

void PrintSeasonScorecard(Session& session, const std::vector<std::string>& lines,
                          const PickChartData& chart) {
  if (lines.empty()) return;
  Printer* printer = StartReportPrint(session, "Ready to send Scorecard to the Printer.");
  if (printer == nullptr) return;
  Canvas& page = printer->PageCanvas();
  const double width = page.Width();
  const double height = page.Height();
  const double left = width / 20;
  const double top = height / 20;
  const double chart_width = width - 2 * left;
  const double chart_height = chart_width * ScorecardChartHeight / ScorecardChartWidth;
  const double text_bottom = height * 0.93 - chart_height;

  // With no report font chosen the font the printer preparation selected serves.
  const SeasonStore& store = session.store;
  const std::string font = store.ReportFont.empty() ? printer->CurrentFontName() : store.ReportFont;
  const std::string& widest = *std::max_element(
      lines.begin(), lines.end(), [](const auto& a, const auto& b) { return a.size() < b.size(); });
  double points = 10;
  for (;; points -= 0.5) {
    page.SetFont(font, points, false);
    const bool fits = top + page.TextHeight(widest) * lines.size() <= text_bottom &&
                      page.TextWidth(widest) <= chart_width;
    if (fits || points <= 5) break;
  }
  const double line_height = page.TextHeight(widest);
  for (std::size_t index = 0; index < lines.size(); ++index) {
    page.DrawText(left, top + line_height * index, lines[index]);
  }

  // The chart follows the table after a blank line; the page's foot carries the date.
  AreaCanvas area(page, ScorecardChartWidth, ScorecardChartHeight, left,
                  top + line_height * (lines.size() + 1), chart_width, chart_height);
  DrawScorecardChart(area, chart);
  printer->EndDocument();
}

}  // namespace tavrin
