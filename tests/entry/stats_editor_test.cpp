#include "entry/stats_editor.h"

#include <gtest/gtest.h>

#include "engine/season_fixture.h"
#include "season/file_io.h"

namespace tavrin {
namespace {

class StatsEditorTest : public testing::SeasonFixture {
 protected:
  ~StatsEditorTest() override { ClearFileFaults(); }
};

TEST_F(StatsEditorTest, WeekEntryIsClampedToTheSeason) {
  EXPECT_EQ(EditorWeek(store, "2"), 2);
  EXPECT_EQ(EditorWeek(store, "25"), 17);
  EXPECT_EQ(EditorWeek(store, "99999"), 17);
  EXPECT_EQ(EditorWeek(store, "abc"), 0);
  EXPECT_EQ(EditorWeek(store, "-1"), std::nullopt);
}

TEST_F(StatsEditorTest, LoadsTheBlockByNumber) {
  FillStartBlock(61.5);
  ASSERT_TRUE(WriteStatsBlock(store, folder.path(), 1));
  store.Cqr[7] = 48.5;
  ASSERT_TRUE(WriteStatsBlock(store, folder.path(), 2));
  store.ClearStatistics();
  ASSERT_TRUE(LoadEditorBlock(session, 2));
  EXPECT_EQ(store.Cqr[7], 48.5);
  EXPECT_EQ(store.Cqr[8], 61.5);
  // A block never written reads as zeros, without a message.
  ASSERT_TRUE(LoadEditorBlock(session, 9));
  EXPECT_EQ(store.Cqr[7], 0.0);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(StatsEditorTest, ABlockOfAMissingFileReadsAsZerosWithoutAMessage) {
  store.Cqr[3] = 12;
  EXPECT_TRUE(LoadEditorBlock(session, 0));
  EXPECT_EQ(store.Cqr[3], 0.0);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(StatsEditorTest, StoresTypedValuesInTheirFieldsPrecision) {
  EXPECT_TRUE(StoreEditedValue(session, 4, StatsField::Cqr, "60.55"));
  EXPECT_EQ(store.Cqr[4], 60.55);
  EXPECT_TRUE(StoreEditedValue(session, 4, StatsField::Losses, "2.5"));
  EXPECT_EQ(store.Losses[4], 2);
  EXPECT_TRUE(StoreEditedValue(session, 4, StatsField::AveDefense, "17.3"));
  EXPECT_EQ(store.AveDefense[4], 17.3f);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(StatsEditorTest, BoxesShowRatingsInThePrecisionTheyAreHeld) {
  store.Cqr[4] = static_cast<double>(58.1f);  // as loaded from the file
  EXPECT_EQ(EditorValueText(store, 4, StatsField::Cqr), "58.1");
  store.Cqr[4] = 60.55;  // as typed
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

TEST_F(StatsEditorTest, RefusesAValueItsFieldCannotHold) {
  store.Ties[4] = 1;
  EXPECT_FALSE(StoreEditedValue(session, 4, StatsField::Ties, "40000"));
  EXPECT_EQ(store.Ties[4], 1);
  store.Cqr[4] = 60;
  EXPECT_FALSE(StoreEditedValue(session, 4, StatsField::Cqr, "1" + std::string(40, '0')));
  EXPECT_EQ(store.Cqr[4], 60.0);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].text, "The value is too large for Ties.");
  EXPECT_EQ(ui.messages[1].text, "The value is too large for Computer Quality Rating.");
  EXPECT_EQ(ui.messages[1].caption, "Tavrin");
}

TEST_F(StatsEditorTest, SavingRoundsLikeResultsProcessing) {
  FillStartBlock(60);
  ASSERT_TRUE(StoreEditedValue(session, 5, StatsField::Cqr, "63.27"));
  ASSERT_TRUE(StoreEditedValue(session, 5, StatsField::PointsScored, "99.9"));
  ASSERT_TRUE(SaveEditorBlock(session, 3));
  SeasonStore read = store;
  read.ClearStatistics();
  ASSERT_TRUE(LoadStatsBlockNumber(read, folder.path(), 3));
  EXPECT_EQ(read.Cqr[5], static_cast<double>(63.3f));
  EXPECT_EQ(read.PointsScored[5], 99.0f);
}

TEST_F(StatsEditorTest, AFailedSaveIsReported) {
  InjectFileFault(FileOperation::Rename, 1);
  EXPECT_FALSE(SaveEditorBlock(session, 3));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text,
            "Unable to Save file - check disk, write protect etc..\n\rTVSt1999.dat");
}

}  // namespace
}  // namespace tavrin
