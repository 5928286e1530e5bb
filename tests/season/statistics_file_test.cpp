#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "engine/season_fixture.h"
#include "season/data_files.h"

namespace tavrin {
namespace {

using testing::ReadFileBytes;
using testing::WriteFileBytes;

// Distinct values in every field of every slot, tied to the block so that blocks differ.
void FillBlock(SeasonStore& store, int block) {
  for (int slot = 1; slot <= 31; ++slot) {
    const int base = block * 100 + slot;
    store.Wins[slot] = static_cast<float>(base % 17);
    store.Losses[slot] = static_cast<int16_t>(-base);
    store.Ties[slot] = static_cast<int16_t>(base + 1);
    store.PointsScored[slot] = base + 0.25f;
    store.PointsAllowed[slot] = base + 0.5f;
    store.AveOffense[slot] = base / 10.0f;
    store.AveDefense[slot] = -base / 8.0f;
    store.GameWinner[slot] = static_cast<int16_t>(32 - slot);
    store.WinMargin[slot] = 3.5f;
    store.Cqr[slot] = 60.55;  // a double, converted to a single when packed
    store.PickTeam[slot] = static_cast<int16_t>(slot);
    store.PickMargin[slot] = 0.5f * slot;
    store.FirstScore[slot] = static_cast<int16_t>(base * 3);
    store.SecondScore[slot] = static_cast<float>(block);
  }
}

class StatisticsFile : public testing::SeasonFixture {
 protected:
  std::filesystem::path File() const { return folder.path() / "TVSt1999.dat"; }
  SeasonStore Fresh() const {
    SeasonStore fresh;
    fresh.WorkingYear = 1999;
    fresh.TeamCount = 31;
    return fresh;
  }
};

// Catches a block written at the wrong record, or a rewrite that disturbs its neighbours.
TEST_F(StatisticsFile, BlocksSitAtTheirRecordsAndRewritingOneKeepsTheOthers) {
  for (int block : {1, 0, 2, 3, 42}) {
    FillBlock(store, block);
    ASSERT_TRUE(WriteStatsBlock(store, folder.path(), block == 42 ? 2 : block));
  }
  for (int block : {0, 1, 2, 3}) {
    SeasonStore written = Fresh();
    FillBlock(written, block == 2 ? 42 : block);
    SeasonStore read = Fresh();
    ASSERT_TRUE(LoadStatsBlockNumber(read, folder.path(), block));
    // The packed records compare every field, the rating as the single the file holds.
    for (int slot = 1; slot <= 31; ++slot)
      EXPECT_EQ(PackStatsRecord(read, slot), PackStatsRecord(written, slot)) << block;
  }
  ASSERT_TRUE(WriteStatsBlock(store, folder.path(), 17));
  EXPECT_EQ(ReadFileBytes(File()).size(), 558u * 48u);  // block 17 ends with record 558
}

TEST_F(StatisticsFile, TheLoaderReadsTheBlockAskedForWithPicksInGamesOneToFive) {
  for (int block = 0; block <= 2; ++block) {
    FillBlock(store, block);
    ASSERT_TRUE(WriteStatsBlock(store, folder.path(), block));
  }
  SeasonStore read = Fresh();
  for (int block : {0, 1, 2, -1, -6}) {
    EXPECT_TRUE(LoadStatsBlock(read, folder.path(), block)) << block;
    EXPECT_EQ(read.SecondScore[1], block >= 0 ? block : 0) << block;  // below 0: block 0
  }
  // Without picks the block is an error, yet its team statistics are still loaded.
  for (int game = 1; game <= 5; ++game) store.PickTeam[game] = 0;
  ASSERT_TRUE(WriteStatsBlock(store, folder.path(), 1));
  EXPECT_FALSE(LoadStatsBlock(read, folder.path(), 1));
  EXPECT_EQ(read.Wins[7], store.Wins[7]);
  store.PickTeam[5] = 12;
  ASSERT_TRUE(WriteStatsBlock(store, folder.path(), 1));
  EXPECT_TRUE(LoadStatsBlock(read, folder.path(), 1));
}

TEST_F(StatisticsFile, MissingShortAndTruncatedFilesReadAsZerosWithAnError) {
  SeasonStore read = Fresh();
  read.Wins[1] = 5;
  EXPECT_FALSE(LoadStatsBlock(read, folder.path(), 0));
  EXPECT_EQ(read.Wins[1], 0);
  EXPECT_FALSE(std::filesystem::exists(File()));
  EXPECT_FALSE(LoadStatsBlockNumber(read, folder.path(), 0));

  FillBlock(store, 0);
  ASSERT_TRUE(WriteStatsBlock(store, folder.path(), 0));
  const std::string whole = ReadFileBytes(File());
  WriteFileBytes(File(), whole.substr(0, 48 * 2 + 30));  // two records and part of a third
  read = Fresh();
  EXPECT_TRUE(LoadStatsBlock(read, folder.path(), 0));  // games 1 and 2 carry picks
  EXPECT_EQ(read.Wins[2], store.Wins[2]);
  EXPECT_EQ(read.AveDefense[3], store.AveDefense[3]);  // inside the part that is there
  EXPECT_EQ(read.PickTeam[3], 0);                      // past the end
  EXPECT_EQ(read.Wins[31], 0);

  EXPECT_FALSE(LoadStatsBlock(read, folder.path(), 8));  // past the end of the file
  EXPECT_TRUE(LoadStatsBlockNumber(read, folder.path(), 9));
}

TEST_F(StatisticsFile, DamagedRecordsAreReportedAndCannotBeUsedAsIndexes) {
  FillBlock(store, 0);
  ASSERT_TRUE(WriteStatsBlock(store, folder.path(), 0));
  std::string bytes = ReadFileBytes(File());
  bytes.replace(48 * 4, 48 * 27, 48 * 27, '\xFF');  // slots 5 to 31: garbage throughout
  const auto put = [&](std::size_t offset, auto value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value);
  };
  put(48 * 0 + 34, int16_t{32});  // favourite of game 1: no such team
  put(48 * 1 + 24, int16_t{-1});  // winner of game 2
  put(48 * 2 + 30, std::numeric_limits<float>::quiet_NaN());
  put(48 * 3 + 0, std::numeric_limits<float>::infinity());
  WriteFileBytes(File(), bytes);

  SeasonStore read = Fresh();
  EXPECT_FALSE(LoadStatsBlock(read, folder.path(), 0));
  EXPECT_EQ(read.PickTeam[1], 0);
  EXPECT_EQ(read.GameWinner[2], 0);
  EXPECT_EQ(read.Cqr[3], 0);
  EXPECT_EQ(read.Wins[4], 0);
  EXPECT_EQ(read.PickTeam[2], 2);  // sound fields are kept
  for (int slot = 5; slot <= 31; ++slot) {
    EXPECT_EQ(read.PickTeam[slot], 0);
    EXPECT_EQ(read.GameWinner[slot], 0);
    EXPECT_EQ(read.Losses[slot], -1);  // any 16-bit count is a number
  }
  EXPECT_FALSE(LoadStatsBlockNumber(read, folder.path(), 0));
}

}  // namespace
}  // namespace tavrin
