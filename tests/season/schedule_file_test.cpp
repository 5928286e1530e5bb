#include <gtest/gtest.h>

#include "engine/season_fixture.h"
#include "season/data_files.h"

namespace tavrin {
namespace {

using testing::ReadFileBytes;
using testing::WriteFileBytes;

// A week's record as the file holds it: value type, text length, text, zero padding.
std::string Record(const std::string& text, char type = 8, int length = -1) {
  const auto size = static_cast<char>(length < 0 ? static_cast<int>(text.size()) : length);
  std::string record{type, '\0', size, '\0'};
  record += text;
  record.resize(100, '\0');
  return record;
}

class ScheduleFile : public testing::SeasonFixture {
 protected:
  std::filesystem::path File() const { return folder.path() / "TVSC1999.dat"; }
  void SetWeek(int games) {
    store.WeekGameCount = static_cast<int16_t>(games);
    for (int game = 1; game <= games; ++game) {
      store.GameFirstTeam[game] = static_cast<int16_t>(game);
      store.GameSecondTeam[game] = static_cast<int16_t>(32 - game);
      store.GameDay[game] = static_cast<int16_t>(game % 7 + 1);
    }
  }
  SeasonStore Read(int week, bool* usable = nullptr) {
    SeasonStore read;
    read.WorkingYear = store.WorkingYear;
    const bool read_usable = ReadScheduleWeek(read, folder.path(), week);
    if (usable != nullptr) *usable = read_usable;
    return read;
  }
  bool Usable(int week) {
    bool usable = false;
    Read(week, &usable);
    return usable;
  }
};

// Catches a week written at the wrong record, or a rewrite that disturbs its neighbours.
TEST_F(ScheduleFile, WeeksSitAtTheirRecordsAndRewritingOneKeepsTheOthers) {
  SetWeek(7);
  ASSERT_TRUE(WriteScheduleWeek(store, folder.path(), 1));
  SetWeek(14);
  ASSERT_TRUE(WriteScheduleWeek(store, folder.path(), 3));
  const std::string weeks = ReadFileBytes(File());
  ASSERT_EQ(weeks.size(), 300u);
  EXPECT_EQ(weeks.substr(100, 100), std::string(100, '\0'));  // week 2, never written

  SeasonStore read;
  read.WorkingYear = 1999;
  for (int slot = 15; slot <= 21; ++slot) read.GameFirstTeam[slot] = store.GameFirstTeam[slot] = 77;
  EXPECT_TRUE(ReadScheduleWeek(read, folder.path(), 3));
  EXPECT_EQ(read.WeekGameCount, 14);
  EXPECT_EQ(read.GameFirstTeam, store.GameFirstTeam);
  EXPECT_EQ(read.GameSecondTeam, store.GameSecondTeam);
  EXPECT_EQ(read.GameDay, store.GameDay);

  SetWeek(15);
  ASSERT_TRUE(WriteScheduleWeek(store, folder.path(), 1));
  EXPECT_EQ(ReadFileBytes(File()).substr(100), weeks.substr(100));
  EXPECT_EQ(Read(1).WeekGameCount, 15);
}

// Catches a damaged field kept or not reported, which would hand windows teams out of range.
TEST_F(ScheduleFile, DamagedRecordsAreReportedAndTheirFieldsNeverKept) {
  const std::pair<std::string, int> cases[] = {
      // the record, the games it gives
      {Record("0201021xx031"), 2},        // a team that is not digits
      {Record("02010210103a"), 2},        // a day that is not a digit
      {Record("020102101 31"), 2},        // a blank inside a team field
      {Record("020102199031"), 2},        // a team above 31
      {Record("020102100031"), 2},        // team 0 in a later game
      {Record("020102101038"), 2},        // day 8
      {Record("02010210103"), 2},         // the text ends inside game 2
      {Record("030001123041240312"), 3},  // game 1 missing
      {Record("22"), 0},                  // more games than the arrays hold
      {Record("-1"), 0},
      {Record("0101021", 9), 0},                 // another value type
      {Record("0101021", 8, 255), 0},            // a text longer than the record
      {Record("01010", 8, 96).substr(0, 9), 1},  // a truncated record
      {"", 0},                                   // no file at all
  };
  for (const auto& [bytes, count] : cases) {
    SCOPED_TRACE(::testing::PrintToString(bytes.substr(0, 24)));
    if (bytes.empty())
      std::filesystem::remove(File());
    else
      WriteFileBytes(File(), bytes);
    bool usable = true;
    SeasonStore read = Read(1, &usable);
    EXPECT_FALSE(usable);
    EXPECT_EQ(read.WeekGameCount, count);
    for (int game = 1; game <= read.WeekGameCount; ++game) {
      EXPECT_TRUE(read.GameFirstTeam[game] >= 0 && read.GameFirstTeam[game] <= 31);
      EXPECT_TRUE(read.GameSecondTeam[game] >= 0 && read.GameSecondTeam[game] <= 31);
      EXPECT_TRUE(read.GameDay[game] >= 0 && read.GameDay[game] <= 7);
    }
  }
  EXPECT_FALSE(std::filesystem::exists(File()));
  WriteFileBytes(File(), Record("020102131203"));  // control: two sound games
  EXPECT_TRUE(Usable(1));
  for (int week : {2, 0, -3, 1000000}) EXPECT_FALSE(Usable(week)) << week;
}

TEST_F(ScheduleFile, RefusesWeeksItCannotWriteWithoutTouchingTheFile) {
  SetWeek(15);
  ASSERT_TRUE(WriteScheduleWeek(store, folder.path(), 1));
  const std::string before = ReadFileBytes(File());
  SetWeek(19);
  EXPECT_FALSE(WriteScheduleWeek(store, folder.path(), 1));
  SetWeek(18);
  store.GameFirstTeam[4] = 100;
  EXPECT_FALSE(WriteScheduleWeek(store, folder.path(), 1));
  store.GameFirstTeam[4] = 4;
  store.GameDay[2] = 10;
  EXPECT_FALSE(WriteScheduleWeek(store, folder.path(), 1));
  store.GameDay[2] = 3;
  EXPECT_FALSE(WriteScheduleWeek(store, folder.path(), 0));
  EXPECT_EQ(ReadFileBytes(File()), before);

  ASSERT_TRUE(WriteScheduleWeek(store, folder.path(), 1));  // 18 games fill 92 characters
  EXPECT_EQ(ReadFileBytes(File()).substr(4 + 92), "    ");
  EXPECT_EQ(Read(1).WeekGameCount, 18);
}

}  // namespace
}  // namespace tavrin
