// The rating and odds charts, the graph team selection, the rating series and the scorecard chart.

#include <fmt/format.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "engine/season_fixture.h"
#include "graphs/graph_selection.h"
#include "graphs/odds_chart.h"
#include "graphs/rating_chart.h"
#include "graphs/rating_series.h"
#include "graphs/scorecard_chart.h"
#include "reports/golden_case.h"
#include "season/season_store.h"
#include "support/scripted_ui.h"

namespace tavrin {
namespace {

// The "lineto" events a curve draws, its points mapped from the chart's definition: block b
// 380 twips a week from 700, a rating of 30 on the week axis at 4410, 70 twips a point.
std::vector<std::string> ExpectedSegments(const std::vector<std::array<double, 4>>& segments) {
  std::vector<std::string> events;
  const auto x = [](double block) { return 700 + 380 * block; };
  const auto y = [](double rating) { return 4410 - (rating - 30) * 70; };
  for (const auto& [b1, r1, b2, r2] : segments)
    events.push_back(fmt::format("lineto:{},{},{},{}", x(b1), y(r1), x(b2), y(r2)));
  return events;
}

std::vector<std::string> DrawnSegments(const RatingSeries& series) {
  testing::RecordingPrinter canvas;
  DrawRatingCurve(canvas, series, TeamOneCurveColour);
  std::erase_if(canvas.events, [](const std::string& event) { return event.rfind("lineto:", 0); });
  return canvas.events;
}

// Catches ratings outside 30..90 not clamped, a gap drawn as a fall to 0, blocks past 18 drawn.
TEST(RatingChart, CurvesFollowTheMappingWithClampingAndGaps) {
  RatingSeries series{};
  series[0] = 60, series[1] = 62.5f, series[2] = 95, series[4] = 20, series[18] = 70;
  series[19] = 75;
  EXPECT_EQ(
      DrawnSegments(series),
      ExpectedSegments(
          {{0, 60, 0, 60}, {0, 60, 1, 62.5}, {1, 62.5, 2, 90}, {2, 90, 4, 30}, {4, 30, 18, 70}}));
  // A start without recorded weeks is a short dash there and back.
  RatingSeries start{};
  start[0] = 60;
  EXPECT_EQ(DrawnSegments(start),
            ExpectedSegments({{0, 60, 30.0 / 380, 60}, {30.0 / 380, 60, 0, 60}}));
}

// Catches a missing team taken as 0, the second list read for one team, a team twice kept.
TEST(GraphSelection, AcceptsOnlyCompleteChoices) {
  // the mode, the two lists' choices, accepted?, the teams and the mode stored, the beeps
  const std::tuple<int, const char*, const char*, bool, int, int, int, int> cases[] = {
      {GraphOneTeam, "Nick3", "", true, 3, 0, GraphOneTeam, 0},
      {GraphOneTeam, "Nick3", "Nick4", true, 3, 0, GraphOneTeam, 0},
      {GraphOneTeam, "", "Nick4", false, 0, 0, GraphOneTeam, 1},
      {GraphTwoTeams, "Nick3", "Nick4", true, 3, 4, GraphTwoTeams, 0},
      {GraphTwoTeams, "Nick3", "", false, 3, 0, GraphTwoTeams, 1},
      {GraphTwoTeams, "Nick3", "Nick3", true, 3, 3, GraphOneTeam, 0},
  };
  for (const auto& [mode, first, second, accepted, one, two, mode_after, beeps] : cases) {
    SCOPED_TRACE(fmt::format("{} {} {}", mode, first, second));
    const SeasonStore store = testing::LeagueStore(1999);
    GraphTeams teams{static_cast<int16_t>(mode), 9, 9};
    testing::ScriptedUi ui;
    EXPECT_EQ(AcceptGraphTeams(teams, store, ui, first, second), accepted);
    EXPECT_EQ(std::tuple(teams.one, teams.two, teams.mode, ui.beeps),
              std::tuple(one, two, mode_after, beeps));
  }
}

class SeriesLoading : public testing::SeasonFixture {
 protected:
  void WriteBlock(int block, double first_rating) {
    store.ClearStatistics();
    store.Cqr[5] = first_rating, store.Cqr[6] = first_rating + 1;
    ASSERT_TRUE(WriteStatsBlock(store, folder.path(), block));
  }
};

// Catches missing blocks not 0, the second series read for one team, and a long season read
// past the graph's last block.
TEST_F(SeriesLoading, BlocksNotWrittenReadAsZeroAndLongSeasonsStopAtBlockTwenty) {
  EXPECT_EQ(LoadRatingChart(session, {GraphOneTeam, 5, 0}).one, RatingSeries{});
  WriteBlock(0, 60.5);
  WriteBlock(1, 58.25);
  WriteBlock(3, 90);
  const RatingChartData chart = LoadRatingChart(session, {GraphTwoTeams, 5, 6});
  EXPECT_EQ(std::vector<float>(chart.one.begin(), chart.one.begin() + 4),
            (std::vector<float>{60.5f, 58.25f, 0, 90}));
  EXPECT_EQ(chart.two[3], 91.0f);
  EXPECT_EQ(chart.one[17], 0.0f);
  EXPECT_EQ(LoadRatingChart(session, {GraphOneTeam, 5, 0}).two, RatingSeries{});

  store.WeeksInSeason = 25;
  WriteBlock(20, 70);
  WriteBlock(21, 71);
  const RatingChartData long_season = LoadRatingChart(session, {GraphOneTeam, 5, 0});
  EXPECT_EQ(LastSeriesBlock(store), LastGraphedBlock);
  EXPECT_EQ(long_season.one[20], 70.0f);
  EXPECT_EQ(long_season.one[21], 0.0f);
}

TEST(ScorecardChart, PercentRangeInWholeTensAroundTheValues) {
  using Percents = std::vector<std::optional<double>>;
  const std::tuple<Percents, Percents, int, int> cases[] = {
      // Tavrin's, the market's, the range
      {{}, {}, 0, 100},         {{55.0, 70.0}, {}, 50, 80},
      {{62.0}, {66.0}, 50, 80}, {{96.0, 100.0}, {}, 80, 100},
      {{2.0}, {}, 0, 20},       {{40.0, std::nullopt}, {71.0}, 30, 80},
  };
  for (const auto& [tavrin, market, low, high] : cases) {
    const PercentRange range = PercentRangeFor({17, tavrin, market});
    EXPECT_EQ(std::pair(range.low, range.high), std::pair(low, high));
  }
}

// Text as tall and as wide as its size makes it, as a real printer's is.
class ScalingPrinter : public testing::RecordingPrinter {
 public:
  double points = 10;
  void SetFont(const std::string& name, double size, bool bold) override {
    points = size;
    RecordingPrinter::SetFont(name, size, bold);
  }
  double TextWidth(const std::string& text) override { return 12 * points * text.size(); }
  double TextHeight(const std::string&) override { return 24 * points; }
};

TEST(ScorecardChart, PrintoutFitsOnePortraitPage) {
  struct ScalingUi : testing::ScriptedUi {
    ScalingPrinter page;
    Printer& ReportPrinter() override { return page; }
  } ui;
  ScalingPrinter& page = ui.page;
  SeasonStore store;
  Session session{store, ui, {}};
  // A report as long as a 20-week season with the market: two tables and the records.
  const std::vector<std::string> lines(58, std::string(74, 'x'));
  PrintSeasonScorecard(session, lines, {20, {60.0, 70.0}, {65.0, 50.0}});

  double points = 10, line_height = 0, last_line_bottom = 0, lowest = 0;
  int lines_printed = 0;
  for (const std::string& event : page.events) {
    double x = 0, y = 0, x2 = 0, y2 = 0;
    if (std::sscanf(event.c_str(), "canvasfont:%*[^,],%lf", &points) == 1) continue;
    if (event.rfind("text:", 0) == 0 && event.find(std::string(74, 'x')) != std::string::npos) {
      std::sscanf(event.c_str(), "text:%lf,%lf", &x, &y);
      line_height = 24 * points;
      last_line_bottom = y + line_height;
      EXPECT_LE(x + 12 * points * 74, page.page_width);
      ++lines_printed;
    }
    if (std::sscanf(event.c_str(), "lineto:%lf,%lf,%lf,%lf", &x, &y, &x2, &y2) == 4) {
      EXPECT_GE(std::min(y, y2), last_line_bottom) << event;
      lowest = std::max({lowest, y, y2});
    }
  }
  EXPECT_EQ(lines_printed, 58);
  EXPECT_GT(lowest, last_line_bottom);
  // The chart follows within a blank line of the table, and no page foot (with the date).
  double highest = page.page_height;
  for (const std::string& event : page.events) {
    double x = 0, y = 0, x2 = 0, y2 = 0;
    if (std::sscanf(event.c_str(), "lineto:%lf,%lf,%lf,%lf", &x, &y, &x2, &y2) == 4)
      highest = std::min({highest, y, y2});
    if (std::sscanf(event.c_str(), "text:%lf,%lf", &x, &y) == 2 && y >= last_line_bottom)
      highest = std::min(highest, y);
    EXPECT_EQ(event.find(ui.TodayText()), std::string::npos) << event;
  }
  EXPECT_LE(highest - last_line_bottom, 2 * line_height);
  EXPECT_LE(lowest, page.page_height);
  EXPECT_EQ(page.events.back(), "end");
}

// Catches a curve drawn from the wrong figure, a week out of place, or the scale upside down:
// play-offs then division, 380 twips a week from 660, 100% at 350 and 0% on the week axis.
TEST(OddsChart, EachTeamDrawsItsPlayoffAndDivisionOddsWeekByWeek) {
  const OddsHistory history{30, {{1, 2000, 1000, 500, {}}, {2, 2000, 2000, 0, {}}}};
  testing::RecordingPrinter canvas;
  DrawOddsChart(canvas, {{history}, 17});
  std::vector<std::string> curves;
  for (const auto& event : canvas.events)
    if (event.rfind("lineto:", 0) == 0) curves.push_back(event);
  const auto y = [](double percent) { return 4420 - 4070 * percent / 100; };
  ASSERT_GE(curves.size(), 2u);
  EXPECT_EQ(curves[curves.size() - 2], fmt::format("lineto:1040,{},1420,{}", y(50), y(100)));
  EXPECT_EQ(curves.back(), fmt::format("lineto:1040,{},1420,{}", y(25), y(0)));
}

}  // namespace
}  // namespace tavrin
