// The files of a 32-team season: a record for each of its teams, its names beside the 31-team
// league's, and no team number past its league read as one.

#include <gtest/gtest.h>

#include <algorithm>

#include "season/data_files.h"
#include "support/temp_folder.h"

namespace tavrin {
namespace {

using testing::ReadFileBytes;

SeasonStore SeasonOf(int year) {
  SeasonStore store;
  store.WorkingYear = static_cast<int16_t>(year);
  store.TeamCount = TeamCountOfYear(year);
  return store;
}

// Catches a reader that lets a team past the season's league index the tables, or that refuses
// the 32nd team of a league that has one.
TEST(ThirtyTwoTeamFiles, AStatisticsBlockHoldsTheTeamsOfItsYearsLeagueOnly) {
  const struct {
    int year, favourite;
    bool whole;
  } cases[] = {{2001, 31, true}, {2001, 32, false}, {2002, 32, true}, {2002, 33, false}};
  for (const auto& c : cases) {
    SeasonStore store = SeasonOf(c.year);
    store.PickTeam[SeasonTeamCount(store)] = static_cast<int16_t>(c.favourite);
    const std::string block = StatsBlockBytes(store);
    EXPECT_EQ(block.size(), static_cast<std::size_t>(StatsRecordSize * TeamCountOfYear(c.year)));
    SeasonStore read = SeasonOf(c.year);
    EXPECT_EQ(ReadStatsBlockBytes(read, block), c.whole) << c.year << " " << c.favourite;
    EXPECT_EQ(read.PickTeam[SeasonTeamCount(store)], c.whole ? c.favourite : 0) << c.favourite;
  }
}

// Catches blocks of 32 records found at the 31-team league's offsets, or a block cut inside a
// record passed as whole.
TEST(ThirtyTwoTeamFiles, BlocksFollowEachOtherAtThirtyTwoRecordsAndAShortOneIsDamaged) {
  testing::TempFolder folder;
  SeasonStore store = SeasonOf(2019);
  for (int block : {0, 1}) {
    store.Wins[32] = static_cast<float>(block + 7);
    ASSERT_TRUE(WriteStatsBlock(store, folder.path(), block));
  }
  const auto file = folder.path() / StatisticsFileName(2019);
  ASSERT_EQ(ReadFileBytes(file).size(), 2u * 32 * StatsRecordSize);
  SeasonStore read = SeasonOf(2019);
  ASSERT_TRUE(LoadStatsBlockNumber(read, folder.path(), 1));
  EXPECT_EQ(read.Wins[32], 8.0f);
  testing::WriteFileBytes(file, ReadFileBytes(file).substr(0, (32 + 31) * StatsRecordSize + 10));
  EXPECT_TRUE(StatsBlockDamaged(read, folder.path(), 1));
  EXPECT_FALSE(StatsBlockDamaged(read, folder.path(), 0));
}

// Catches the year's league not followed, or one league's names written over the other's.
TEST(ThirtyTwoTeamFiles, EachLeagueKeepsItsOwnNamesFileAndTheSettingsNameTheLeague) {
  testing::TempFolder folder;
  for (int year : {2001, 2002}) {
    SeasonStore store = SeasonOf(year);
    for (int team = 1; team <= SeasonTeamCount(store); ++team)
      store.LocationName[team] = store.TeamName[team] = std::to_string(year + team);
    ASSERT_TRUE(WriteNames(store, folder.path()));
    ASSERT_TRUE(WriteSettings(store, folder.path()));
    SeasonStore read;
    ASSERT_TRUE(ReadSettings(read, folder.path()));
    EXPECT_EQ(read.TeamCount, year == 2001 ? 31 : 32);
  }
  for (int year : {2001, 2002}) {
    SeasonStore read = SeasonOf(year);
    ASSERT_TRUE(ReadNames(read, folder.path()));
    EXPECT_EQ(read.TeamName[SeasonTeamCount(read)], std::to_string(year + SeasonTeamCount(read)));
  }
  const std::string names = ReadFileBytes(folder.path() / ThirtyTwoTeamNamesFileName);
  EXPECT_EQ(std::count(names.begin(), names.end(), '\n'), 64);
}

}  // namespace
}  // namespace tavrin
