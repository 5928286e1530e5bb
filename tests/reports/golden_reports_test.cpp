// Every report of the reports subsystem reproduced line for line from a golden case's final
// data files, through the command functions the windows call.

#include <fmt/format.h>
#include <gtest/gtest.h>

#include "reports/golden_case.h"
#include "reports/schedule_views.h"
#include "reports/statistics_view.h"
#include "reports/team_results.h"
#include "reports/weekly_predictions.h"
#include "reports/weekly_results.h"

namespace tavrin {
namespace {

using testing::GoldenCaseTest;

class GoldenReports : public GoldenCaseTest {};

TEST_P(GoldenReports, WeeklyPredictionsOfEveryWeek) {
  for (int week = 1; week <= store().WeeksInSeason; ++week) {
    SCOPED_TRACE(week);
    auto lines = ShowWeeklyPredictions(session(), week - 1);
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, Golden(fmt::format("predictions_week_{:02}.txt", week)));
  }
  EXPECT_TRUE(ui().messages.empty());
}

TEST_P(GoldenReports, WeeklySchedulesAndTheWholeSeason) {
  for (int week = 1; week <= store().WeeksInSeason; ++week) {
    SCOPED_TRACE(week);
    auto lines = ShowWeeklySchedule(session(), week - 1);
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, Golden(fmt::format("schedule_week_{:02}.txt", week)));
  }
  EXPECT_EQ(ShowSeasonSchedule(session()), Golden("schedule_season.txt"));
}

TEST_P(GoldenReports, TeamSchedulesAndTeamResultsOfEveryTeam) {
  for (int team = 1; team <= store().TeamCount; ++team) {
    SCOPED_TRACE(team);
    const std::string name = store().TeamName[team];
    auto schedule = ShowTeamSchedule(session(), name);
    ASSERT_TRUE(schedule.has_value());
    EXPECT_EQ(*schedule, Golden(fmt::format("schedule_team_{:02}.txt", team)));
    auto results = ShowTeamResults(session(), name);
    ASSERT_TRUE(results.has_value());
    EXPECT_EQ(*results, Golden(fmt::format("team_results_{:02}.txt", team)));
  }
}

TEST_P(GoldenReports, WeeklyResultsOfEveryWeek) {
  for (int week = 1; week <= store().WeeksInSeason; ++week) {
    SCOPED_TRACE(week);
    auto lines = ShowWeeklyResults(session(), week - 1);
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, Golden(fmt::format("results_week_{:02}.txt", week)));
  }
  EXPECT_TRUE(ui().messages.empty());
}

TEST_P(GoldenReports, StatisticsOfEveryBlockInEveryOrder) {
  const char* names[] = {"quality_rating", "percentage", "ave_offense", "ave_defense"};
  for (int block = 0; block <= store().WeeksInSeason; ++block) {
    SCOPED_TRACE(block);
    auto by_rating = ShowStatistics(session(), block);
    ASSERT_TRUE(by_rating.has_value());
    EXPECT_EQ(*by_rating,
              Golden(fmt::format("statistics_block_{:02}_sort0_{}.txt", block, names[0])));
    for (int order = 1; order < 4; ++order) {
      SCOPED_TRACE(order);
      EXPECT_EQ(
          StatisticsLines(store(), block + 1, static_cast<StatisticsOrder>(order)),
          Golden(fmt::format("statistics_block_{:02}_sort{}_{}.txt", block, order, names[order])));
    }
  }
}

TAVRIN_GOLDEN_CASES(GoldenReports);

}  // namespace
}  // namespace tavrin
