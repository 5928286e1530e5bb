// The season projection and the single game predictions of every golden case line for line
// after every week (the tool's replay compares the final week's), and the projection's edges the
// recorded seasons never reach: ties, empty boxes, other years' titles.

#include "analysis/season_projection.h"

#include <fmt/format.h>
#include <gtest/gtest.h>

#include <array>

#include "analysis/single_game.h"
#include "analysis/specials_model.h"
#include "reports/golden_case.h"
#include "season/data_files.h"
#include "support/scripted_ui.h"
#include "support/temp_folder.h"

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

SeasonStore RatedStore(double rating = 50) {
  SeasonStore store = testing::LeagueStore(2000);
  store.Cqr.fill(rating);
  return store;
}

// Each case: the ratings changed from 50, then the teams expected in boxes 1 to 7 (0: not
// checked). Catches equal ratings going to the higher number, equal champions not giving the
// NFC's, and the ratings changed by the projection (the groups are the golden cases').
TEST(SeasonProjection, EqualRatingsAndChampions) {
  struct Case {
    std::vector<std::pair<int, float>> ratings;
    std::array<int, 8> boxes;
  };
  const Case cases[] = {
      {{{4, 70}, {9, 70}, {20, 65}, {31, 65}}, {0, 4, 9, 20, 31, 4, 0, 4}},
      {{{1, 70}, {17, 70}}, {0, 0, 0, 0, 0, 0, 0, 17}},
  };
  for (const Case& c : cases) {
    SeasonStore store = RatedStore();
    for (const auto& [team, rating] : c.ratings) store.Cqr[team] = rating;
    const SeasonStore before = store;
    const auto boxes = ProjectSeason(store).box_team;
    for (int box = 1; box <= 7; ++box) {
      EXPECT_TRUE(c.boxes[box] == 0 || boxes[box] == c.boxes[box]) << c.ratings[0].first << box;
    }
    EXPECT_EQ(store.Cqr, before.Cqr);
  }
}

// With nobody rated above 0 outside the first contender's group the search ends, leaving the
// second box empty, instead of searching for ever.
TEST(SeasonProjection, NoQualifyingSecondContenderLeavesAnEmptyBox) {
  SeasonStore store = RatedStore(0);
  store.Cqr[3] = 60, store.Cqr[5] = 55;
  store.Cqr[17] = 40, store.Cqr[27] = 41;
  const auto projection = ProjectSeason(store);
  EXPECT_EQ(projection.box_team, (std::array<int, 8>{0, 3, 0, 27, 17, 3, 27, 3}));
  EXPECT_EQ(ProjectionReportLines(store, projection)[3], "Box 2 second AFC contender: ");
  EXPECT_EQ(ProjectionBoxText(store, projection.box_team[2]), "");
  EXPECT_EQ(ProjectionBoxText(store, projection.box_team[1]), "\r\nLoc3");

  const auto empty = ProjectSeason(RatedStore(0)).box_team;
  for (int box = 1; box <= ProjectionBoxCount; ++box) EXPECT_EQ(empty[box], 0) << box;
}

// The recorded seasons hold 1999 and 2000 only: catches the numerals of other years.
TEST(SeasonProjection, TitlesOfOtherYears) {
  EXPECT_EQ(ChampionshipTitle(2003), "Super Bowl XXXVIII");
  EXPECT_EQ(ChampionshipTitle(1998), "");
}

TEST(SeasonProjection, RefusedWithoutScores) {
  testing::TempFolder folder;
  SeasonStore store = RatedStore();
  store.LastScoredWeek = 4;
  testing::ScriptedUi ui;
  Session session{store, ui, folder.path()};
  EXPECT_FALSE(ShowSeasonProjection(session).has_value());
  EXPECT_EQ(ui.messages.size(), 1u);
}

}  // namespace
}  // namespace tavrin
