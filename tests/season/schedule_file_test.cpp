#include <gtest/gtest.h>

#include "season/data_files.h"
#include "support/temp_folder.h"

namespace tavrin {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

class ScheduleFile : public ::testing::Test {
 protected:
  void SetUp() override { store.WorkingYear = 1999; }
  std::filesystem::path File() const { return folder.path() / "TVSC1999.dat"; }
  void SetWeek(int games) {
    store.WeekGameCount = static_cast<int16_t>(games);
    for (int game = 1; game <= games; ++game) {
      store.GameFirstTeam[game] = static_cast<int16_t>(game);
      store.GameSecondTeam[game] = static_cast<int16_t>(32 - game);
      store.GameDay[game] = static_cast<int16_t>(game % 7 + 1);
    }
  }
  // Reads a week into a fresh store and returns it.
  SeasonStore Read(int week) {
    SeasonStore read;
    read.WorkingYear = store.WorkingYear;
    ReadScheduleWeek(read, folder.path(), week);
    return read;
  }
  void WriteRecordText(int week, const std::string& text) {
    std::string bytes = ReadFileBytes(File());
    std::string record("\x08\x00", 2);
    record += static_cast<char>(text.size());
    record += '\0';
    record += text;
    record.resize(100, '\0');
    bytes.resize(std::max<std::size_t>(bytes.size(), week * 100u), '\0');
    bytes.replace((week - 1) * 100u, 100, record);
    WriteFileBytes(File(), bytes);
  }
  TempFolder folder;
  SeasonStore store;
};

TEST_F(ScheduleFile, AWeekThreeRecordOfFourteenGamesIsByteExact) {
  SetWeek(14);
  store.GameFirstTeam[1] = 9;
  store.GameSecondTeam[1] = 10;
  store.GameDay[1] = 1;
  ASSERT_TRUE(WriteScheduleWeek(store, folder.path(), 3));
  const std::string bytes = ReadFileBytes(File());
  ASSERT_EQ(bytes.size(), 300u);
  EXPECT_EQ(bytes.substr(0, 200), std::string(200, '\0'));  // weeks 1 and 2 padded with zeros
  EXPECT_EQ(bytes.substr(200, 4), std::string("\x08\x00\x60\x00", 4));
  std::string text =
      "14"
      "09101";
  for (int game = 2; game <= 14; ++game) {
    text += (game < 10 ? "0" : "") + std::to_string(game) + std::to_string(32 - game) +
            std::to_string(game % 7 + 1);
  }
  text.resize(96, ' ');
  EXPECT_EQ(bytes.substr(204), text);
}

TEST_F(ScheduleFile, ReadsBackTheGamesAndLeavesHigherSlotsAlone) {
  SetWeek(14);
  ASSERT_TRUE(WriteScheduleWeek(store, folder.path(), 3));
  SeasonStore read;
  read.WorkingYear = 1999;
  for (int slot = 15; slot <= 21; ++slot) read.GameFirstTeam[slot] = 77;
  read.ScheduleStatus = "error";  // left by an earlier week: the reader clears it
  ReadScheduleWeek(read, folder.path(), 3);
  EXPECT_EQ(read.ScheduleStatus, "");
  EXPECT_EQ(read.WeekGameCount, 14);
  for (int game = 1; game <= 14; ++game) {
    EXPECT_EQ(read.GameFirstTeam[game], store.GameFirstTeam[game]);
    EXPECT_EQ(read.GameSecondTeam[game], store.GameSecondTeam[game]);
    EXPECT_EQ(read.GameDay[game], store.GameDay[game]);
  }
  for (int slot = 15; slot <= 21; ++slot) EXPECT_EQ(read.GameFirstTeam[slot], 77);
}

TEST_F(ScheduleFile, RewritingOneWeekKeepsTheOthers) {
  SetWeek(15);
  for (int week = 1; week <= 4; ++week) ASSERT_TRUE(WriteScheduleWeek(store, folder.path(), week));
  const std::string before = ReadFileBytes(File());
  SetWeek(7);
  ASSERT_TRUE(WriteScheduleWeek(store, folder.path(), 2));
  const std::string after = ReadFileBytes(File());
  ASSERT_EQ(after.size(), 400u);
  EXPECT_EQ(after.substr(0, 100), before.substr(0, 100));
  EXPECT_EQ(after.substr(200), before.substr(200));
  EXPECT_EQ(after.substr(104, 7), "0701312");
  EXPECT_EQ(Read(2).WeekGameCount, 7);
  EXPECT_EQ(Read(4).WeekGameCount, 15);
}

TEST_F(ScheduleFile, AMissingFileOrAWeekPastItsEndReadsAsAnEmptyErrorWeek) {
  SeasonStore read = Read(1);
  EXPECT_EQ(read.WeekGameCount, 0);
  EXPECT_EQ(read.ScheduleStatus, "error");
  EXPECT_FALSE(std::filesystem::exists(File()));

  SetWeek(15);
  ASSERT_TRUE(WriteScheduleWeek(store, folder.path(), 1));
  for (int week : {2, 17, 0, -3, 1000000}) {
    read = Read(week);
    EXPECT_EQ(read.WeekGameCount, 0) << week;
    EXPECT_EQ(read.ScheduleStatus, "error") << week;
  }
}

// A reader that kept a damaged field, or stopped reporting it, would hand the windows teams
// and days outside their lists.
TEST_F(ScheduleFile, DamagedFieldsAreReportedAndNeverKept) {
  struct Case {
    std::string text;
    int count;
  };
  for (const Case& damaged : std::vector<Case>{{"0201021xx031", 2},  // a team that is not digits
                                               {"02010210103a", 2},  // a day that is not a digit
                                               {"020102101 31", 2},  // a blank inside a team field
                                               {"020102199031", 2},  // a team above 31
                                               {"020102100031", 2},  // team 0 in a later game
                                               {"020102101038", 2},  // day 8
                                               {"02010210103", 2},   // the text ends inside game 2
                                               {"030001123041240312", 3},  // game 1 missing
                                               {"22", 0},  // more games than the arrays hold
                                               {"-1", 0}}) {
    WriteRecordText(1, damaged.text);
    SeasonStore read = Read(1);
    EXPECT_EQ(read.ScheduleStatus, "error") << damaged.text;
    EXPECT_EQ(read.WeekGameCount, damaged.count) << damaged.text;
    for (int game = 1; game <= read.WeekGameCount; ++game) {
      EXPECT_TRUE(read.GameFirstTeam[game] >= 0 && read.GameFirstTeam[game] <= 31);
      EXPECT_TRUE(read.GameSecondTeam[game] >= 0 && read.GameSecondTeam[game] <= 31);
      EXPECT_TRUE(read.GameDay[game] >= 0 && read.GameDay[game] <= 7);
    }
  }
  WriteRecordText(1, "020102131203");  // control: two sound games
  EXPECT_EQ(Read(1).ScheduleStatus, "");
}

TEST_F(ScheduleFile, RecordsThatAreNotScheduleTextReadAsEmpty) {
  std::string bytes(100, '\0');
  bytes[0] = 9;  // another value type
  bytes[2] = 96;
  bytes.replace(4, 7, "0101021");
  WriteFileBytes(File(), bytes);
  EXPECT_EQ(Read(1).WeekGameCount, 0);
  EXPECT_EQ(Read(1).ScheduleStatus, "error");

  bytes[0] = 8;
  bytes[2] = static_cast<char>(0xFF);  // a text longer than the record
  WriteFileBytes(File(), bytes);
  EXPECT_EQ(Read(1).WeekGameCount, 0);
  EXPECT_EQ(Read(1).ScheduleStatus, "error");

  WriteFileBytes(File(), std::string("\x08\x00\x60\x00"
                                     "01010",
                                     9));  // truncated record
  EXPECT_EQ(Read(1).WeekGameCount, 1);
  EXPECT_EQ(Read(1).ScheduleStatus, "error");
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
