#include "season/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include "season/data_files.h"
#include "support/temp_folder.h"

namespace tavrin {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

class FileIo : public ::testing::Test {
 protected:
  void TearDown() override { ClearFileFaults(); }
  std::size_t EntryCount() const {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path()))
      ++count;
    return count;
  }
  TempFolder folder;
};

TEST_F(FileIo, ReadingAMissingFileGivesNothingAndCreatesNothing) {
  const auto file = folder.path() / "missing.dat";
  EXPECT_EQ(ReadWholeFile(file), std::nullopt);
  EXPECT_EQ(ReadFileRange(file, 0, 10), std::nullopt);
  EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(FileIo, ReadsWholeFilesAndRangesIncludingNulBytes) {
  const auto file = folder.path() / "data.dat";
  const std::string bytes("ab\0cdef\r\n", 9);
  WriteFileBytes(file, bytes);
  EXPECT_EQ(ReadWholeFile(file), bytes);
  EXPECT_EQ(ReadFileRange(file, 2, 3), std::string("\0cd", 3));
  EXPECT_EQ(ReadFileRange(file, 7, 10), "\r\n");          // short at the end
  EXPECT_EQ(ReadFileRange(file, 50, 10), "");             // past the end
  EXPECT_EQ(ReadWholeFile(folder.path()), std::nullopt);  // a folder is not a data file
}

TEST_F(FileIo, AFifoInPlaceOfADataFileIsRefusedWithoutWaiting) {
  const auto fifo = folder.path() / "fifo.dat";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(ReadWholeFile(fifo), std::nullopt);
  EXPECT_EQ(ReadFileRange(fifo, 0, 48), std::nullopt);
}

TEST_F(FileIo, ReplacesAndCreatesFilesWholeLeavingNoTemporaryFile) {
  const auto file = folder.path() / "data.dat";
  ASSERT_TRUE(ReplaceFileAtomically(file, "first"));
  EXPECT_EQ(ReadFileBytes(file), "first");
  ASSERT_TRUE(ReplaceFileAtomically(file, "second, longer"));
  EXPECT_EQ(ReadFileBytes(file), "second, longer");
  ASSERT_TRUE(ReplaceFileAtomically(file, ""));
  EXPECT_EQ(ReadFileBytes(file), "");
  EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(FileIo, KeepsTheOldFilesPermissions) {
  const auto file = folder.path() / "data.dat";
  WriteFileBytes(file, "old");
  std::filesystem::permissions(file, std::filesystem::perms::owner_read |
                                         std::filesystem::perms::owner_write |
                                         std::filesystem::perms::group_read);
  ASSERT_TRUE(ReplaceFileAtomically(file, "new"));
  EXPECT_EQ(std::filesystem::status(file).permissions(), std::filesystem::perms::owner_read |
                                                             std::filesystem::perms::owner_write |
                                                             std::filesystem::perms::group_read);
}

TEST_F(FileIo, RefusesToReplaceAWriteProtectedFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "write protection does not bind the superuser";
  const auto file = folder.path() / "data.dat";
  WriteFileBytes(file, "old");
  std::filesystem::permissions(file, std::filesystem::perms::owner_read);
  EXPECT_FALSE(ReplaceFileAtomically(file, "new"));
  EXPECT_FALSE(PatchFileAtomically(file, 0, "n"));
  std::filesystem::permissions(file, std::filesystem::perms::owner_all);
  EXPECT_EQ(ReadFileBytes(file), "old");
}

TEST_F(FileIo, EveryInjectedFaultFailsTheReplaceAndKeepsTheOldFile) {
  const auto file = folder.path() / "data.dat";
  for (FileOperation operation :
       {FileOperation::Open, FileOperation::Write, FileOperation::Flush, FileOperation::Rename}) {
    WriteFileBytes(file, "old contents");
    InjectFileFault(operation, 1);
    EXPECT_FALSE(ReplaceFileAtomically(file, "new")) << static_cast<int>(operation);
    EXPECT_EQ(ReadFileBytes(file), "old contents");
    EXPECT_EQ(EntryCount(), 1u) << "the temporary file was left behind";
  }
  EXPECT_TRUE(ReplaceFileAtomically(file, "new"));  // each fault fires once
}

// Catches a data-file writer that reports success after a failed step, or changes its old file.
TEST_F(FileIo, EveryWriterFailsWholeOnEveryFaultAndKeepsItsOldFile) {
  SeasonStore store;
  store.WorkingYear = 1999;
  store.TeamCount = 31;
  store.WeekGameCount = 7;
  for (int team = 1; team <= 31; ++team)
    store.LocationName[team] = store.TeamName[team] = "Name" + std::to_string(team);
  for (int16_t game = 1; game <= 7; ++game) {
    store.GameFirstTeam[game] = game;
    store.GameSecondTeam[game] = static_cast<int16_t>(32 - game);
    store.GameDay[game] = 1;
  }
  const auto& dir = folder.path();
  const struct {
    std::string file;
    std::function<bool()> write;
  } writers[] = {
      {SettingsFileName, [&] { return WriteSettings(store, dir); }},
      {NamesFileName, [&] { return WriteNames(store, dir) == NamesWriteResult::Written; }},
      {"TVSC1999.dat", [&] { return WriteScheduleWeek(store, dir, 1); }},
      {"TVSt1999.dat", [&] { return WriteStatsBlock(store, dir, 0); }},
  };
  for (const auto& writer : writers) ASSERT_TRUE(writer.write()) << writer.file;
  store.Weighting = 50;
  store.TeamName[1] = "Changed";
  store.GameDay[1] = 2;
  store.Cqr[1] = 70;
  for (FileOperation operation :
       {FileOperation::Open, FileOperation::Write, FileOperation::Flush, FileOperation::Rename}) {
    for (const auto& writer : writers) {
      const std::string before = ReadFileBytes(dir / writer.file);
      InjectFileFault(operation, 1);
      EXPECT_FALSE(writer.write()) << writer.file << " " << static_cast<int>(operation);
      ClearFileFaults();
      EXPECT_EQ(ReadFileBytes(dir / writer.file), before) << writer.file;
    }
  }
  // What the files cannot hold is refused before anything is written.
  const std::string settings = ReadFileBytes(dir / SettingsFileName);
  store.ReportFont = "Bad \"font\"";
  EXPECT_FALSE(WriteSettings(store, dir));
  EXPECT_EQ(ReadFileBytes(dir / SettingsFileName), settings);
  const std::string statistics = ReadFileBytes(dir / "TVSt1999.dat");
  EXPECT_FALSE(WriteStatsBlock(store, dir, -1));
  EXPECT_EQ(ReadFileBytes(dir / "TVSt1999.dat"), statistics);
}

TEST_F(FileIo, AFaultFiresOnTheNthOperationOnly) {
  const auto file = folder.path() / "data.dat";
  WriteFileBytes(file, "x");
  InjectFileFault(FileOperation::Open, 2);
  EXPECT_TRUE(ReadWholeFile(file).has_value());
  EXPECT_FALSE(ReadWholeFile(file).has_value());
  EXPECT_TRUE(ReadWholeFile(file).has_value());
  InjectFileFault(FileOperation::Open, 1);
  ClearFileFaults();
  EXPECT_TRUE(ReadWholeFile(file).has_value());
}

TEST_F(FileIo, PatchingPadsAShortFileWithZeroBytes) {
  const auto file = folder.path() / "records.dat";
  ASSERT_TRUE(PatchFileAtomically(file, 4, "xy"));
  EXPECT_EQ(ReadFileBytes(file), std::string("\0\0\0\0xy", 6));
  ASSERT_TRUE(PatchFileAtomically(file, 1, "A"));
  EXPECT_EQ(ReadFileBytes(file), std::string("\0A\0\0xy", 6));
  EXPECT_FALSE(PatchFileAtomically(file, MaxDataFileSize, "z"));
  EXPECT_EQ(ReadFileBytes(file).size(), 6u);
}

TEST_F(FileIo, PatchingNeverReplacesAFileItCouldNotRead) {
  const auto file = folder.path() / "records.dat";
  WriteFileBytes(file, "0123456789");
  InjectFileFault(FileOperation::Open, 1);  // the read of the old contents
  EXPECT_FALSE(PatchFileAtomically(file, 0, "x"));
  EXPECT_EQ(ReadFileBytes(file), "0123456789");
}

}  // namespace
}  // namespace tavrin
