// The season projection and the single game predictions of a golden case,
// line for line; the projection and the predictions list for every last scored week.

#include <fmt/format.h>
#include <gtest/gtest.h>

#include "analysis/season_projection.h"
#include "analysis/single_game.h"
#include "analysis/specials_model.h"
#include "reports/golden_case.h"
#include "season/data_files.h"

namespace tavrin {
namespace {

using testing::GoldenCaseTest;

class GoldenAnalysis : public GoldenCaseTest {
 protected:
  // Picks two teams as the window's labels would and predicts them.
  static void PredictPairing(SpecialsModel& model, UserInterface& ui, int a, int b, bool neutral) {
    model.ClickTeam(a);
    model.ClickTeam(b);
    ASSERT_TRUE(model.Predict(ui, neutral));
  }
};

// The predictions list holds, for every game of the coming week, its prediction and the same
// pairing on a neutral site, then the projection's contenders and champions.
TEST_P(GoldenAnalysis, ProjectionAndSingleGamePredictionsAfterEveryWeek) {
  for (int week = 0; week <= store().WeeksInSeason; ++week) {
    SCOPED_TRACE(week);
    store().LastScoredWeek = static_cast<int16_t>(week);
    const auto projection = ShowSeasonProjection(session());
    ASSERT_TRUE(projection.has_value());
    EXPECT_EQ(ProjectionReportLines(store(), *projection),
              Golden(fmt::format("projection_after_week_{:02}.txt", week)));
    ASSERT_TRUE(LoadSpecialsRatings(session()));
    const auto box = ProjectSeason(store()).box_team;
    SpecialsModel model(store());

    store().ScheduleStatus.clear();
    ReadScheduleWeek(store(), session().folder, week + 1);
    if (store().ScheduleStatus != StatusError) {
      for (int game = 1; game <= store().WeekGameCount; ++game) {
        const int visitor = store().GameFirstTeam[game];
        const int home = store().GameSecondTeam[game];
        PredictPairing(model, ui(), visitor, home, false);
        PredictPairing(model, ui(), visitor, home, true);
      }
    }
    PredictPairing(model, ui(), box[2], box[1], false);
    PredictPairing(model, ui(), box[4], box[3], false);
    PredictPairing(model, ui(), box[5], box[6], true);
    EXPECT_EQ(model.Lines(), Golden(fmt::format("specials_after_week_{:02}.txt", week)));
  }
  EXPECT_EQ(ui().beeps, 0);
}

TAVRIN_GOLDEN_CASES(GoldenAnalysis);

}  // namespace
}  // namespace tavrin
