// The season projection and the single game predictions of every golden case line for line,
// for every last scored week (the tool's replay compares the final week's).

#include <fmt/format.h>
#include <gtest/gtest.h>

#include "analysis/season_projection.h"
#include "analysis/single_game.h"
#include "analysis/specials_model.h"
#include "reports/golden_case.h"
#include "season/data_files.h"

namespace tavrin {
namespace {

// The predictions list holds, for every game of the coming week, its prediction and the same
// pairing on a neutral site, then the projection's contenders and champions.
TEST(GoldenAnalysis, ProjectionAndSingleGamePredictionsAfterEveryWeek) {
  TAVRIN_REQUIRE_SHARED_DATA();
  for (const char* name : testing::GoldenCases) {
    testing::OpenedCase opened(name);
    SeasonStore& store = opened.store;
    // Picks two teams as the window's labels would and predicts them.
    auto predict = [&](SpecialsModel& model, int a, int b, bool neutral) {
      model.ClickTeam(a);
      model.ClickTeam(b);
      EXPECT_TRUE(model.Predict(opened.ui, neutral));
    };
    for (int week = 0; week <= store.WeeksInSeason; ++week) {
      SCOPED_TRACE(fmt::format("{} after week {}", name, week));
      store.LastScoredWeek = static_cast<int16_t>(week);
      const auto projection = ShowSeasonProjection(opened.session);
      ASSERT_TRUE(projection.has_value());
      EXPECT_EQ(ProjectionReportLines(store, *projection),
                testing::GoldenReport(name, fmt::format("projection_after_week_{:02}.txt", week)));
      ASSERT_TRUE(LoadSpecialsRatings(opened.session));
      const auto box = ProjectSeason(store).box_team;
      SpecialsModel model(store);
      store.ScheduleStatus.clear();
      ReadScheduleWeek(store, opened.folder.path(), week + 1);
      if (store.ScheduleStatus != StatusError) {
        for (int game = 1; game <= store.WeekGameCount; ++game) {
          predict(model, store.GameFirstTeam[game], store.GameSecondTeam[game], false);
          predict(model, store.GameFirstTeam[game], store.GameSecondTeam[game], true);
        }
      }
      predict(model, box[2], box[1], false);
      predict(model, box[4], box[3], false);
      predict(model, box[5], box[6], true);
      EXPECT_EQ(model.Lines(),
                testing::GoldenReport(name, fmt::format("specials_after_week_{:02}.txt", week)));
    }
    EXPECT_EQ(opened.ui.beeps, 0);
  }
}

}  // namespace
}  // namespace tavrin
