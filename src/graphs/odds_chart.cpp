#include "graphs/odds_chart.h"

#include <algorithm>

#include "graphs/rating_chart.h"

namespace tavrin {
namespace {

constexpr double ChartTop = 350;

constexpr int TeamColours[] = {TeamOneCurveColour, TeamTwoCurveColour};
constexpr int PrintedLegendColours[] = {TeamOnePrintedLegendColour, TeamTwoCurveColour};

void DrawGrid(Canvas& canvas, int weeks) {
  canvas.SetFont(ChartFontName, ChartFontPoints, false);
  canvas.SetPen(0, 2);
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.DrawLine(ChartAxisX, ChartTop - 100, ChartAxisX, ChartWeekAxisY);
  canvas.DrawLine(ChartAxisX, ChartWeekAxisY, ChartGridRight, ChartWeekAxisY);
  canvas.DrawText(ChartAxisX + 200, 0, "Play-offs (solid) and division (dotted), in percent");
  canvas.SetPen(0, 1);
  canvas.DrawText(300, ChartWeekAxisY - 100, "0%");
  for (int percent = 25; percent <= 100; percent += 25) {
    const double y = OddsPoint(1, percent).y;
    canvas.DrawText(150, y - 100, std::to_string(percent) + "%");
    canvas.SetPenStyle(PenStyle::Dotted);
    canvas.DrawLine(ChartAxisX + 10, y, ChartGridRight, y);
    canvas.SetPenStyle(PenStyle::Solid);
  }
  for (int week = 1; week <= weeks; ++week) {
    canvas.DrawText(OddsPoint(week, 0).x - (week < 10 ? 45 : 90), ChartWeekAxisY + 40,
                    std::to_string(week));
  }
  canvas.DrawText(0.4 * ChartAreaWidth, 0.95 * ChartAreaHeight, "          Week #");
}

template <typename Share>
void DrawCurve(Canvas& canvas, const OddsHistory& history, Share share) {
  for (std::size_t at = 1; at < history.weeks.size(); ++at) {
    const OddsAfterWeek& from = history.weeks[at - 1];
    const OddsAfterWeek& to = history.weeks[at];
    const ChartPoint a = OddsPoint(from.week, share(from));
    const ChartPoint b = OddsPoint(to.week, share(to));
    canvas.DrawLine(a.x, a.y, b.x, b.y);
  }
}

}  // namespace

ChartPoint OddsPoint(int week, double percent) {
  return {ChartAxisX + ChartWeekWidth * week,
          ChartWeekAxisY - (ChartWeekAxisY - ChartTop) * percent / 100.0};
}

void DrawOddsChart(Canvas& canvas, const OddsChartData& chart) {
  DrawGrid(canvas, chart.weeks_in_season);
  for (std::size_t index = 0; index < chart.teams.size() && index < 2; ++index) {
    const OddsHistory& history = chart.teams[index];
    canvas.SetPen(TeamColours[index], 2);
    canvas.SetPenStyle(PenStyle::Solid);
    DrawCurve(canvas, history,
              [](const OddsAfterWeek& odds) { return OddsPercent(odds.playoffs, odds.runs); });
    canvas.SetPen(TeamColours[index], 1);
    canvas.SetPenStyle(PenStyle::Dotted);
    DrawCurve(canvas, history,
              [](const OddsAfterWeek& odds) { return OddsPercent(odds.division, odds.runs); });
  }
  canvas.SetPenStyle(PenStyle::Solid);
}

void PrintOddsChart(Session& session, const OddsChartData& chart) {
  std::vector<PrintedLegendEntry> legend;
  for (std::size_t index = 0; index < chart.teams.size() && index < 2; ++index) {
    legend.push_back(
        {index == 0 ? 0.55 : 0.2, PrintedLegendColours[index], chart.teams[index].team});
  }
  PrintChartPage(
      session, [&chart](Canvas& canvas) { DrawOddsChart(canvas, chart); }, legend);
}

}  // namespace tavrin
