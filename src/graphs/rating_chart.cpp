#include "graphs/rating_chart.h"

#include <algorithm>

#include "graphs/area_canvas.h"
#include "platform/messages.h"
#include "presentation/report_printing.h"
#include "presentation/report_text.h"

namespace tavrin {
namespace {

constexpr double ChartTop = 150;
constexpr double StartDashLength = 30;
constexpr float LowestRating = 30;
constexpr float HighestRating = 90;

float Clamped(float rating) { return std::clamp(rating, LowestRating, HighestRating); }

void PrintLegendEntry(Canvas& page, const std::string& font, double x, double page_width,
                      double page_height, int colour, const std::string& caption) {
  const double stroke_end = x + page_width / 50;
  page.SetPen(colour, 6);
  page.DrawLine(x, page_height / 1.9, stroke_end, page_height / 1.9);
  page.SetPen(0, 6);
  page.SetFont(font, 10, true);
  page.DrawText(stroke_end, 0.518 * page_height, " " + caption);
}

}  // namespace

ChartPoint RatingPoint(int block, double rating) {
  return {700.0 + ChartWeekWidth * block, 4410.0 - (rating - 30.0) * 70.0};
}

void DrawRatingGrid(Canvas& canvas) {
  canvas.SetFont(ChartFontName, ChartFontPoints, false);
  canvas.SetPen(0, 2);
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.DrawLine(ChartAxisX, ChartTop, ChartAxisX, ChartWeekAxisY);
  canvas.DrawLine(ChartAxisX, ChartWeekAxisY, ChartGridRight, ChartWeekAxisY);
  for (int rating = 35; rating <= 90; rating += 5) {
    canvas.DrawText(340, 3610 - (rating - 40) * 70.0, std::to_string(rating));
  }
  canvas.SetPen(0, 1);
  canvas.SetPenStyle(PenStyle::Dotted);
  for (int level = 5; level <= 60; level += 5) {
    const double y = 4400 - 70.0 * level;
    canvas.DrawLine(670, y, ChartGridRight, y);
  }
  for (int week = 17; week >= 1; --week) {
    canvas.DrawText(600 + ChartWeekWidth * week + (week < 10 ? 45 : 0), 4460, std::to_string(week));
  }
  canvas.SetPenStyle(PenStyle::Solid);
}

void DrawAxisTitles(Canvas& canvas) {
  canvas.SetPen(0, 1);
  canvas.SetFont(ChartFontName, 6, false);
  canvas.DrawText(0.4 * ChartAreaWidth, 0.95 * ChartAreaHeight, "          Week #");
  canvas.SetFont(ChartFontName, 9, false);
  const std::string word = "RATING";
  for (int letter = 1; letter <= 6; ++letter) {
    // The narrow I is moved right to stand in line with the other letters.
    canvas.DrawText(0.013 * ChartAreaWidth + (letter == 4 ? 20 : 0),
                    0.3 * ChartAreaHeight + 200.0 * letter, word.substr(letter - 1, 1));
  }
}

void DrawRatingCurve(Canvas& canvas, const RatingSeries& series, int colour) {
  canvas.SetPen(colour, 2);
  // A first block without a value starts the pen below the area, where nothing shows.
  ChartPoint at = RatingPoint(0, series[0] == 0 ? 0.0f : Clamped(series[0]));
  if (series[1] < LowestRating) {
    // Nothing recorded after the start: a short dash marks the starting point.
    canvas.DrawLine(at.x, at.y, at.x + StartDashLength, at.y);
    at.x += StartDashLength;
  }
  for (int block = 0; block <= LastDrawnBlock; ++block) {
    if (series[block] == 0) continue;
    const ChartPoint to = RatingPoint(block, Clamped(series[block]));
    canvas.DrawLine(at.x, at.y, to.x, to.y);
    at = to;
  }
}

void DrawRatingChart(Canvas& canvas, const RatingChartData& chart) {
  DrawRatingGrid(canvas);
  DrawAxisTitles(canvas);
  DrawRatingCurve(canvas, chart.one, TeamOneCurveColour);
  if (chart.teams.mode == GraphTwoTeams) DrawRatingCurve(canvas, chart.two, TeamTwoCurveColour);
}

std::string LegendCaption(const SeasonStore& store, int team) {
  return LocationOf(store, team) + " " + NicknameOf(store, team);
}

void PrintChartPage(Session& session, const std::function<void(Canvas&)>& draw,
                    const std::vector<PrintedLegendEntry>& legend) {
  Printer* printer = StartReportPrint(session, "Ready to send chart to Printer");
  if (printer == nullptr) return;
  Canvas& page = printer->PageCanvas();
  const double width = page.Width();
  const double height = page.Height();
  AreaCanvas area(page, ChartAreaWidth, ChartAreaHeight, width / 20, height / 10, width / 1.1,
                  height / 2.5);
  draw(area);

  // With no report font chosen the font the printer preparation selected serves.
  const SeasonStore& store = session.store;
  const std::string font = store.ReportFont.empty() ? printer->CurrentFontName() : store.ReportFont;
  page.SetPenStyle(PenStyle::Solid);
  for (const PrintedLegendEntry& entry : legend) {
    PrintLegendEntry(page, font, entry.x * width, width, height, entry.colour,
                     LegendCaption(store, entry.team));
  }
  page.SetFont(font, 9, true);
  page.DrawText(0.85 * width, 0.9 * height, session.ui.TodayText());
  printer->EndDocument();
}

void PrintRatingChart(Session& session, const RatingChartData& chart) {
  std::vector<PrintedLegendEntry> legend;
  if (chart.teams.mode == GraphTwoTeams)
    legend.push_back({0.2, TeamTwoCurveColour, chart.teams.two});
  legend.push_back({0.55, TeamOnePrintedLegendColour, chart.teams.one});
  PrintChartPage(
      session, [&chart](Canvas& canvas) { DrawRatingChart(canvas, chart); }, legend);
}

void ShowRatingExplanation(UserInterface& ui) {
  const std::string b = "\n\r";
  ui.ShowMessage(
      "Each teams Quality Rating (CQR) " + b + "'evolves' from one week to the next" + b +
          "throughout the season.  " + b + b + "This display illustrates if a teams" + b +
          "performance is improving or declining" + b + "as the season progresses.  Two teams" + b +
          "can be viewed at the same time for" + b + "comparison.",
      ProgramCaption, MessageIcon::None);
}

}  // namespace tavrin
