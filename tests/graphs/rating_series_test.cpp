// Loading the rating series: missing blocks, single-team mode and long seasons.

#include "graphs/rating_series.h"

#include <gtest/gtest.h>

#include "engine/season_fixture.h"

namespace tavrin {
namespace {

class RatingSeries : public testing::SeasonFixture {
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
TEST_F(RatingSeries, BlocksNotWrittenReadAsZero) {
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

TEST_F(RatingSeries, LongSeasonsStopAtBlockTwenty) {
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
