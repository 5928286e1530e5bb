// The projection's contenders, groups, champions and title.

#include "analysis/season_projection.h"

#include <gtest/gtest.h>

#include "support/scripted_ui.h"
#include "support/temp_folder.h"

namespace tavrin {
namespace {

SeasonStore RatedStore(double rating = 50) {
  SeasonStore store;
  store.TeamCount = 31;
  store.WorkingYear = 2000;
  for (int team = 1; team <= 31; ++team) {
    store.Cqr[team] = rating;
    store.LocationName[team] = "L" + std::to_string(team);
  }
  return store;
}

TEST(SeasonProjection, EqualBestRatingsGoToTheLowerNumber) {
  SeasonStore store = RatedStore();
  store.Cqr[4] = store.Cqr[9] = 70;
  store.Cqr[20] = store.Cqr[31] = 65;
  const auto boxes = ProjectSeason(store).box_team;
  EXPECT_EQ(boxes[1], 4);
  EXPECT_EQ(boxes[2], 9);
  EXPECT_EQ(boxes[5], 4);
  EXPECT_EQ(boxes[3], 20);
  EXPECT_EQ(boxes[4], 31);
  EXPECT_EQ(boxes[7], 4);
}

TEST(SeasonProjection, SecondContenderComesFromAnotherGroup) {
  SeasonStore store = RatedStore();
  store.Cqr[6] = 75, store.Cqr[8] = 74, store.Cqr[10] = 73, store.Cqr[16] = 72;
  store.Cqr[12] = 71;
  store.Cqr[22] = 80, store.Cqr[21] = 60, store.Cqr[28] = 59;
  const SeasonStore before = store;
  const auto projection = ProjectSeason(store);
  EXPECT_EQ(projection.box_team[1], 6);
  EXPECT_EQ(projection.box_team[2], 16);  // group 4, while 8 and 10 share group 2 with 6
  EXPECT_EQ(projection.box_team[3], 22);
  EXPECT_EQ(projection.box_team[4], 28);  // 21 shares group 5 with 22
  EXPECT_EQ(projection.box_team[6], 22);
  EXPECT_EQ(projection.box_team[7], 22);
  EXPECT_EQ(store.Cqr, before.Cqr);
}

TEST(SeasonProjection, TeamsTwelveAndSixteenAreInDifferentGroups) {
  SeasonStore store = RatedStore();
  store.Cqr[16] = 80, store.Cqr[12] = 79;
  const auto boxes = ProjectSeason(store).box_team;
  EXPECT_EQ(boxes[1], 16);
  EXPECT_EQ(boxes[2], 12);
}

TEST(SeasonProjection, EqualChampionsGiveTheNfcChampion) {
  SeasonStore store = RatedStore();
  store.Cqr[1] = store.Cqr[17] = 70;
  EXPECT_EQ(ProjectSeason(store).box_team[7], 17);
}

// With nobody rated above 0 outside the first contender's group the search ends, leaving the
// second box empty, instead of searching for ever.
TEST(SeasonProjection, NoQualifyingSecondContenderLeavesAnEmptyBox) {
  SeasonStore store = RatedStore(0);
  store.Cqr[3] = 60, store.Cqr[5] = 55;
  store.Cqr[17] = 40, store.Cqr[27] = 41;
  const auto projection = ProjectSeason(store);
  EXPECT_EQ(projection.box_team[1], 3);
  EXPECT_EQ(projection.box_team[2], 0);
  EXPECT_EQ(projection.box_team[5], 3);
  EXPECT_EQ(projection.box_team[7], 3);
  EXPECT_EQ(ProjectionReportLines(store, projection)[3], "Box 2 second AFC contender: ");
  EXPECT_EQ(ProjectionBoxText(store, projection.box_team[2]), "");
  EXPECT_EQ(ProjectionBoxText(store, projection.box_team[1]), "\r\nL3");

  const auto empty = ProjectSeason(RatedStore(0)).box_team;
  for (int box = 1; box <= ProjectionBoxCount; ++box) EXPECT_EQ(empty[box], 0) << box;
}

TEST(SeasonProjection, CaptionAndTitles) {
  SeasonStore store = RatedStore();
  EXPECT_EQ(ProjectSeason(store).caption, "Tavrin 2000 Projections");
  EXPECT_EQ(ProjectSeason(store).title, "Super Bowl XXXV");
  EXPECT_EQ(ChampionshipTitle(1999), "Super Bowl XXXIV");
  EXPECT_EQ(ChampionshipTitle(2003), "Super Bowl XXXVIII");
  EXPECT_EQ(ChampionshipTitle(1998), "");
  store.WorkingYear = 2004;
  EXPECT_EQ(ProjectSeason(store).title, "");
  EXPECT_NE(ProjectSeason(store).box_team[7], 0);
}

TEST(SeasonProjection, RefusedWithoutScores) {
  testing::TempFolder folder;
  SeasonStore store = RatedStore();
  store.LastScoredWeek = 4;
  testing::ScriptedUi ui;
  Session session{store, ui, folder.path()};
  EXPECT_FALSE(ShowSeasonProjection(session).has_value());
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text,
            "Cannot Complete Action....\n\rScores must be current thru Week # 4.");
  EXPECT_EQ(ui.messages[0].caption, "Tavrin");
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::Exclamation);
}

}  // namespace
}  // namespace tavrin
