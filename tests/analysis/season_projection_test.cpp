// The projection's contenders, groups, champions and title.

#include "analysis/season_projection.h"

#include <gtest/gtest.h>

#include <array>

#include "reports/golden_case.h"
#include "support/scripted_ui.h"
#include "support/temp_folder.h"

namespace tavrin {
namespace {

SeasonStore RatedStore(double rating = 50) {
  SeasonStore store = testing::LeagueStore(2000);
  store.Cqr.fill(rating);
  return store;
}

// Each case: the ratings changed from 50, then the teams expected in boxes 1 to 7 (0: not
// checked). Catches equal ratings going to the higher number, a second contender from the
// first's group (team 16 is not in team 12's), equal champions not giving the NFC's, and the
// ratings changed by the projection.
TEST(SeasonProjection, ContendersGroupsAndChampions) {
  struct Case {
    std::vector<std::pair<int, float>> ratings;
    std::array<int, 8> boxes;
  };
  const Case cases[] = {
      {{{4, 70}, {9, 70}, {20, 65}, {31, 65}}, {0, 4, 9, 20, 31, 4, 0, 4}},
      {{{6, 75}, {8, 74}, {10, 73}, {16, 72}, {12, 71}, {22, 80}, {21, 60}, {28, 59}},
       {0, 6, 16, 22, 28, 0, 22, 22}},
      {{{16, 80}, {12, 79}}, {0, 16, 12, 0, 0, 0, 0, 0}},
      {{{1, 70}, {17, 70}}, {0, 0, 0, 0, 0, 0, 0, 17}},
  };
  for (const Case& c : cases) {
    SeasonStore store = RatedStore();
    for (const auto& [team, rating] : c.ratings) store.Cqr[team] = rating;
    const SeasonStore before = store;
    const auto boxes = ProjectSeason(store).box_team;
    for (int box = 1; box <= 7; ++box) {
      if (c.boxes[box] != 0) EXPECT_EQ(boxes[box], c.boxes[box]) << c.ratings[0].first << box;
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
