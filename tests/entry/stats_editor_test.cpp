#include "entry/stats_editor.h"

#include <gtest/gtest.h>

#include "engine/season_fixture.h"

namespace tavrin {
namespace {

class StatsEditorTest : public testing::SeasonFixture {
 protected:
  StatsEditorTest() { store.LastScoredWeek = 9; }
};

TEST_F(StatsEditorTest, WeeksRunFromTheStartOfTheSeasonToTheLastScoredWeek) {
  const std::string weeks = "Enter a week from 1 to 9, or 0 for the start of the season.";
  const std::tuple<const char*, std::optional<int>, std::string> cases[] = {
      {"2", 2, ""},
      {" 9 ", 9, ""},
      {"0", 0, ""},
      {"10", {}, "Week 10 has not been scored yet.\n\r" + weeks},
      {"18", {}, "Please enter the week Number.\n\r" + weeks},
      {"", {}, "Please enter the week Number.\n\r" + weeks}};
  for (const auto& [text, week, message] : cases) {
    ui.messages.clear();
    EXPECT_EQ(EditorWeek(session, text), week) << text;
    EXPECT_EQ(ui.messages.empty() ? std::string() : ui.messages[0].text, message) << text;
  }
  // An unplayed week can be neither loaded nor saved, whatever the caller asks.
  ui.messages.clear();
  EXPECT_FALSE(LoadEditorBlock(session, 10));
  EXPECT_FALSE(SaveEditorBlock(session, 10));
  EXPECT_EQ(ui.messages.size(), 2u);
  EXPECT_TRUE(StatsFileBytes().empty());
}

// A block of a missing file, or one never written, reads as zeros without a message.
TEST_F(StatsEditorTest, LoadsTheBlockByNumber) {
  store.Cqr[3] = 12;
  EXPECT_TRUE(LoadEditorBlock(session, 0));
  EXPECT_EQ(store.Cqr[3], 0.0);
  FillStartBlock(61.5);
  ASSERT_TRUE(WriteStatsBlock(store, folder.path(), 2));
  ASSERT_TRUE(LoadEditorBlock(session, 8));
  EXPECT_EQ(store.Cqr[7], 0.0);
  ASSERT_TRUE(LoadEditorBlock(session, 2));
  EXPECT_EQ(store.Cqr[7], 61.5);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(StatsEditorTest, BoxesShowRatingsInThePrecisionTheyAreHeld) {
  store.Cqr[4] = static_cast<double>(58.1f);  // as loaded from the file
  EXPECT_EQ(EditorValueText(store, 4, StatsField::Cqr), "58.1");
  ASSERT_TRUE(StoreEditedValue(session, 4, StatsField::Cqr, "60.55"));  // typed: a double
  EXPECT_EQ(EditorValueText(store, 4, StatsField::Cqr), "60.55");
  store.AveOffense[4] = 20.4f;
  store.Losses[4] = 3;
  store.Wins[4] = 0.5f;
  EXPECT_EQ(EditorValueText(store, 4, StatsField::AveOffense), "20.4");
  EXPECT_EQ(EditorValueText(store, 4, StatsField::Losses), "3");
  EXPECT_EQ(EditorValueText(store, 4, StatsField::Wins), "0.5");
  // What a box shows stores back as the same figure.
  ASSERT_TRUE(StoreEditedValue(session, 4, StatsField::AveOffense, "20.4"));
  EXPECT_EQ(store.AveOffense[4], 20.4f);
}

TEST_F(StatsEditorTest, RefusesAValueOutsideItsFieldsRangeNamingTheField) {
  // the field, the text typed, the refusal (empty when the value is taken)
  const std::tuple<StatsField, const char*, std::string> cases[] = {
      {StatsField::Wins, "abc", "Wins of City4 must be a whole number from 0 to 99."},
      {StatsField::Losses, "-3", "Losses of City4 must be a whole number from 0 to 99."},
      {StatsField::Ties, "1.5", "Ties of City4 must be a whole number from 0 to 99."},
      {StatsField::Ties, "99", ""},
      {StatsField::Ties, "100", "Ties of City4 must be a whole number from 0 to 99."},
      {StatsField::PointsScored, "99999999",
       "Points Scored of City4 must be a whole number from 0 to 9999."},
      {StatsField::PointsAllowed, "9999", ""},
      {StatsField::AveOffense, "999.9", ""},
      {StatsField::AveDefense, "1000", "Ave. Defense of City4 must be a number from 0 to 999.9."},
      {StatsField::AveDefense, ".5", ""},
      {StatsField::Cqr, "999", "Computer Quality Rating of City4 must be a number from 0 to 200."},
      {StatsField::Cqr, "", "Computer Quality Rating of City4 must be a number from 0 to 200."},
      {StatsField::Losses, "2 ", ""},
  };
  for (const auto& [field, text, message] : cases) {
    ui.messages.clear();
    store.Ties[4] = 1;
    store.Cqr[4] = 60;
    EXPECT_EQ(StoreEditedValue(session, 4, field, text), message.empty()) << text;
    EXPECT_EQ(ui.messages.empty() ? "" : ui.messages[0].text, message) << text;
  }
  EXPECT_EQ(store.Cqr[4], 60.0);
}

TEST_F(StatsEditorTest, SavingRoundsLikeResultsProcessing) {
  FillStartBlock(60);
  ASSERT_TRUE(StoreEditedValue(session, 5, StatsField::Cqr, "63.27"));
  ASSERT_TRUE(StoreEditedValue(session, 5, StatsField::AveOffense, "20.46"));
  ASSERT_TRUE(SaveEditorBlock(session, 3));
  SeasonStore read = store;
  read.ClearStatistics();
  ASSERT_TRUE(LoadStatsBlockNumber(read, folder.path(), 3));
  EXPECT_EQ(read.Cqr[5], static_cast<double>(63.3f));
  EXPECT_EQ(read.AveOffense[5], 20.5f);
}

}  // namespace
}  // namespace tavrin
