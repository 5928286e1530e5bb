// The projection and single game predictions after every golden week, and their edge cases.

#include <fmt/format.h>
#include <gtest/gtest.h>

#include <array>

#include "analysis/season_projection.h"
#include "analysis/single_game.h"
#include "analysis/specials_model.h"
#include "reports/golden_case.h"
#include "season/data_files.h"
#include "support/scripted_ui.h"
#include "support/temp_folder.h"

namespace tavrin {
namespace {

// The list: each coming game, then on a neutral site, then the projection's contenders.
TEST(GoldenAnalysis, ProjectionAndSingleGamePredictionsAfterEveryWeek) {
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
      if (ReadScheduleWeek(store, opened.folder.path(), week + 1)) {
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

// Ratings changed from 50, then boxes 1 to 7 (0: unchecked). Catches ties to the higher number,
// a tied final not given to the NFC, and the ratings changed by the projection.
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
    for (int box = 1; box <= 7; ++box)
      EXPECT_TRUE(c.boxes[box] == 0 || boxes[box] == c.boxes[box]) << c.ratings[0].first << box;
    EXPECT_EQ(store.Cqr, before.Cqr);
  }
}

// Catches a search for ever when no second contender is rated above 0.
TEST(SeasonProjection, NoQualifyingSecondContenderLeavesAnEmptyBox) {
  SeasonStore store = RatedStore(0);
  store.Cqr[3] = 60, store.Cqr[5] = 55, store.Cqr[17] = 40, store.Cqr[27] = 41;
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

// Without the season's files both refuse with a message instead of working on nothing.
TEST(SeasonProjection, ProjectionAndSpecialsRefusedWithoutScores) {
  testing::TempFolder folder;
  SeasonStore store = testing::LeagueStore(2001);
  store.LastScoredWeek = 4;
  testing::ScriptedUi ui;
  Session session{store, ui, folder.path()};
  EXPECT_FALSE(ShowSeasonProjection(session).has_value());
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_FALSE(LoadSpecialsRatings(session));
  EXPECT_EQ(ui.messages.size(), 2u);
}

// Catches a cap on the margin, a lead of 0.2 taken as a favourite, half points rounded wrongly.
TEST(SingleGame, UncappedMarginsSmallLeadsAndRounding) {
  struct Case {
    float cqr_one;
    int weighting, favourite;
    double margin;
  };
  // Team 1 meets team 2, both rated 60 but team 1, on a neutral site.
  const Case cases[] = {{100, 100, 1, 20}, {60.4f, 100, 0, 0}, {70, 66, 1, 3.5},  // 5 weighted: 3.3
                        {70, 76, 1, 4},    {70, 62, 1, 3},     {70, 0, 1, 0}};
  for (const Case& c : cases) {
    SeasonStore store = testing::LeagueStore(2001);
    store.Cqr[1] = c.cqr_one;
    store.Weighting = static_cast<float>(c.weighting);
    const GamePrediction p = PredictSingleGame(store, 1, 2, true);
    EXPECT_EQ(p.favourite, c.favourite) << c.cqr_one << " " << c.weighting;
    EXPECT_EQ(p.margin, c.margin) << c.cqr_one << " " << c.weighting;
  }
}

// The ordinary columns are the golden replay's; a long name is never cut.
TEST(SingleGame, ALongNameKeepsTheLineWhole) {
  SeasonStore store = testing::LeagueStore(2001);
  store.AveOffense[3] = 2, store.AveDefense[3] = 2, store.AveOffense[5] = 2,
  store.AveDefense[5] = 3.2f;
  store.LocationName[3] = std::string(40, 'x');
  EXPECT_EQ(SingleGameLine(store, 3, 5, true), std::string(40, 'x') + " & Loc5a Pick 05");
}

TEST(SpecialsModel, PickingUnpickingAndReversing) {
  SeasonStore store = testing::LeagueStore(2001);
  SpecialsModel model(store);
  // Each click, then the label and whether the game box is enabled.
  const std::tuple<int, const char*, bool> clicks[] = {
      {4, "Loc4 at ", false},
      {9, "Loc4 at Loc9", true},
      {4, "Loc9 at ", false},  // the second becomes the first
      {9, "", false}};
  for (const auto& [team, label, complete] : clicks) {
    model.ClickTeam(team);
    EXPECT_EQ(model.GameLabel(), label) << team;
    EXPECT_EQ(model.GameBoxEnabled(), complete) << team;
  }
  EXPECT_EQ(model.PickedCount(), 0);

  model.ClickTeam(2);
  model.ClickTeam(7);
  model.Reverse();
  EXPECT_EQ(model.GameLabel(), "Loc7 at Loc2");
  testing::ScriptedUi ui;
  ASSERT_TRUE(model.Predict(ui, false));
  EXPECT_EQ(model.Lines().back().substr(32, 12), "Nick2 by 1.5");  // home advantage follows
  EXPECT_FALSE(model.IsPicked(2));
  EXPECT_FALSE(model.IsPicked(7));
  EXPECT_EQ(model.GameLabel(), "");
}

TEST(SpecialsModel, RemoveAndClearKeepTheHeader) {
  SeasonStore store = testing::LeagueStore(2001);
  SpecialsModel model(store);
  testing::ScriptedUi ui;
  model.Clear(ui);  // only the header: nothing asked
  EXPECT_TRUE(ui.questions.empty());
  model.ClickTeam(1);
  EXPECT_FALSE(model.Predict(ui, false));  // one team is no game
  EXPECT_EQ(ui.beeps, 1);
  model.ClickTeam(1);
  for (int first : {1, 3}) {
    model.ClickTeam(first);
    model.ClickTeam(first + 1);
    model.Predict(ui, false);
  }
  ASSERT_EQ(model.Lines().size(), 3u);
  model.Remove(0);
  model.Remove(-1);
  model.Remove(3);
  EXPECT_EQ(model.Lines().size(), 3u);
  model.Remove(1);
  ASSERT_EQ(model.Lines().size(), 2u);
  EXPECT_EQ(model.Lines()[1].substr(0, 12), "Loc3 at Loc4");

  model.ClickTeam(5);
  model.ClickTeam(6);
  ui.answers = {false};
  model.Clear(ui);
  EXPECT_EQ(model.Lines().size(), 2u);
  model.Clear(ui);
  EXPECT_EQ(ui.questions.size(), 2u);
  EXPECT_EQ(model.Lines(), std::vector<std::string>{SpecialsClearedHeader});
  EXPECT_FALSE(model.IsPicked(5));
  EXPECT_FALSE(model.GameBoxEnabled());
  EXPECT_FALSE(model.Predict(ui, false));
}

TEST(SpecialsModel, PrintIsDoubleSpacedUnderADatedTitle) {
  SeasonStore store = testing::LeagueStore(2001);
  store.ReportFont = "Courier New";
  testing::TempFolder folder;
  testing::ScriptedUi ui;
  Session session{store, ui, folder.path()};
  SpecialsModel model(store);
  model.Print(session);
  EXPECT_TRUE(ui.questions.empty());

  model.ClickTeam(1);
  model.ClickTeam(2);
  model.Predict(ui, true);
  ui.answers = {false};
  model.Print(session);
  EXPECT_TRUE(ui.printer.events.empty());
  model.Print(session);
  EXPECT_EQ(ui.questions.size(), 2u);
  // clang-format off
  const std::vector<std::string> expected{
      "font:Times New Roman", "line: ",  // neither the current font nor the report font
      "font:Courier New", "size:15", "line: ",
      "line:        Tavrin Single Game Predictions from 12-06-2026", "line: ",
      "line:    " + std::string(57, '_'), "line: ",
      "line:     " + std::string(SpecialsOpeningHeader), "line: ",
      "line:     " + model.Lines()[1], "end"};
  // clang-format on
  EXPECT_EQ(ui.printer.events, expected);
}

}  // namespace
}  // namespace tavrin
