// The rating chart's curves on a recording canvas, the graph team selection's rules, and the
// loading of the rating series: missing blocks, single-team mode and long seasons.

#include "graphs/rating_chart.h"

#include <fmt/format.h>
#include <gtest/gtest.h>

#include "engine/season_fixture.h"
#include "graphs/graph_selection.h"
#include "graphs/rating_series.h"
#include "support/scripted_ui.h"

namespace tavrin {
namespace {

// The "lineto" events a curve draws, its points mapped from the chart's definition: block b
// 380 twips a week from 700, a rating of 30 on the week axis at 4410, 70 twips a point.
std::vector<std::string> ExpectedSegments(const std::vector<std::array<double, 4>>& segments) {
  std::vector<std::string> events;
  const auto x = [](double block) { return 700 + 380 * block; };
  const auto y = [](double rating) { return 4410 - (rating - 30) * 70; };
  for (const auto& [b1, r1, b2, r2] : segments) {
    events.push_back(fmt::format("lineto:{},{},{},{}", x(b1), y(r1), x(b2), y(r2)));
  }
  return events;
}

std::vector<std::string> DrawnSegments(const RatingSeries& series) {
  testing::RecordingPrinter canvas;
  DrawRatingCurve(canvas, series, TeamOneCurveColour);
  std::vector<std::string> segments;
  for (const auto& event : canvas.events) {
    if (event.rfind("lineto:", 0) == 0) segments.push_back(event);
  }
  return segments;
}

// Catches a curve drawn off the mapping, ratings outside 30..90 not clamped to the chart's
// edges, a gap drawn as a fall to 0, blocks past 18 drawn.
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

// Catches a missing team taken as team 0, the second list read in one-team mode, and the same
// team twice kept as a two-team graph.
TEST(GraphSelection, AcceptsOnlyCompleteChoices) {
  struct Case {
    int mode;
    const char *first, *second;
    bool accepted;
    int team_one, team_two, mode_after, beeps;
  };
  const Case cases[] = {
      {GraphOneTeam, "Nick3", "", true, 3, 0, GraphOneTeam, 0},
      {GraphOneTeam, "Nick3", "Nick4", true, 3, 0, GraphOneTeam, 0},
      {GraphOneTeam, "", "Nick4", false, 0, 0, GraphOneTeam, 1},
      {GraphTwoTeams, "Nick3", "Nick4", true, 3, 4, GraphTwoTeams, 0},
      {GraphTwoTeams, "Nick3", "", false, 3, 0, GraphTwoTeams, 1},
      {GraphTwoTeams, "Nick3", "Nick3", true, 3, 3, GraphOneTeam, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(fmt::format("{} {} {}", c.mode, c.first, c.second));
    SeasonStore store;
    store.TeamCount = 31;
    for (int team = 1; team <= 31; ++team) store.TeamName[team] = fmt::format("Nick{}", team);
    store.GraphMode = static_cast<int16_t>(c.mode);
    testing::ScriptedUi ui;
    EXPECT_EQ(AcceptGraphTeams(store, ui, c.first, c.second), c.accepted);
    EXPECT_EQ(store.GraphTeamOne, c.team_one);
    EXPECT_EQ(store.GraphTeamTwo, c.team_two);
    EXPECT_EQ(store.GraphMode, c.mode_after);
    EXPECT_EQ(ui.beeps, c.beeps);
  }
}

class SeriesLoading : public testing::SeasonFixture {
 protected:
  void WriteBlock(int block, double first_rating) {
    store.ClearStatistics();
    store.Cqr[5] = first_rating;
    store.Cqr[6] = first_rating + 1;
    ASSERT_TRUE(WriteStatsBlock(store, folder.path(), block));
  }
};

// Catches values kept from the last graph when the file is missing, blocks not written read as
// anything but 0, and the second series read in one-team mode.
TEST_F(SeriesLoading, BlocksNotWrittenReadAsZero) {
  store.RatingSeriesOne.fill(7);
  store.GraphTeamOne = 5;
  LoadRatingSeries(session);
  EXPECT_EQ(store.RatingSeriesOne, decltype(store.RatingSeriesOne){});
  WriteBlock(0, 60.5);
  WriteBlock(1, 58.25);
  WriteBlock(3, 90);
  store.GraphMode = 2;
  store.GraphTeamOne = 5;
  store.GraphTeamTwo = 6;
  LoadRatingSeries(session);
  EXPECT_EQ(std::vector<float>(store.RatingSeriesOne.begin(), store.RatingSeriesOne.begin() + 4),
            (std::vector<float>{60.5f, 58.25f, 0, 90}));
  EXPECT_EQ(store.RatingSeriesTwo[3], 91.0f);
  EXPECT_EQ(store.RatingSeriesOne[17], 0.0f);

  store.GraphMode = 1;
  store.GraphTeamTwo = 0;
  LoadRatingSeries(session);
  EXPECT_EQ(store.RatingSeriesTwo, decltype(store.RatingSeriesOne){});
}

TEST_F(SeriesLoading, LongSeasonsStopAtBlockTwenty) {
  store.WeeksInSeason = 25;
  WriteBlock(20, 70);
  WriteBlock(21, 71);
  store.GraphTeamOne = 5;
  LoadRatingSeries(session);
  EXPECT_EQ(LastSeriesBlock(store), LastGraphedBlock);
  EXPECT_EQ(store.RatingSeriesOne[20], 70.0f);
  EXPECT_EQ(store.RatingSeriesOne[21], 0.0f);
}

}  // namespace
}  // namespace tavrin
