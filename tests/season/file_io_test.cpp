#include "season/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include "engine/season_fixture.h"
#include "season/data_files.h"
#include "season/season_change.h"

namespace tavrin {
namespace {

using testing::ReadFileBytes;
using testing::WriteFileBytes;

// What a read gave: the bytes, "(none)" for a missing file, or "(failed)".
std::string Read(const Outcome<FileContents>& read) {
  if (!read) return "(failed)";
  return read->value_or("(none)");
}

class FileIo : public testing::SeasonFixture {
 protected:
  void TearDown() override { ClearFileFaults(); }
  std::size_t EntryCount() const {
    const std::filesystem::directory_iterator entries(folder.path());
    return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
  }
  const std::filesystem::path file = folder.path() / "data.dat";
};

// Catches a reader that creates, stops at a NUL, overruns, waits on a FIFO or reads a folder.
TEST_F(FileIo, ReadsWholeFilesAndRangesAndRefusesWhatIsNotAFile) {
  EXPECT_EQ(Read(ReadWholeFile(file)), "(none)");
  EXPECT_EQ(Read(ReadFileRange(file, 0, 10)), "(none)");
  EXPECT_EQ(Read(ReadWholeFile(folder.path() / "no" / "such.dat")), "(none)");
  EXPECT_FALSE(std::filesystem::exists(file));
  const std::string bytes("ab\0cdef\r\n", 9);
  WriteFileBytes(file, bytes);
  EXPECT_EQ(Read(ReadWholeFile(file)), bytes);
  EXPECT_EQ(Read(ReadWholeFile(file, 8)), "(failed)");  // larger than the limit
  EXPECT_EQ(Read(ReadFileRange(file, 2, 3)), std::string("\0cd", 3));
  EXPECT_EQ(Read(ReadFileRange(file, 7, 10)), "\r\n");  // short at the end
  EXPECT_EQ(Read(ReadFileRange(file, 50, 10)), "");     // past the end
  EXPECT_EQ(Read(ReadWholeFile(folder.path())), "(failed)");
  const auto fifo = folder.path() / "fifo.dat";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(ReadWholeFile(fifo).failure(), "fifo.dat is not a regular file");
  EXPECT_EQ(Read(ReadFileRange(fifo, 0, 48)), "(failed)");
  InjectFileFault(FileOperation::Open, 1);
  EXPECT_EQ(ReadWholeFile(file).failure(), "data.dat could not be read: Input/output error");
}

TEST_F(FileIo, ReplacesWholeKeepingThePermissionsAndRefusesAWriteProtectedFile) {
  WriteFileBytes(file, "old");
  const auto perms = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                     std::filesystem::perms::group_read;
  std::filesystem::permissions(file, perms);
  ASSERT_TRUE(ReplaceFileAtomically(file, "second, longer"));
  ASSERT_TRUE(ReplaceFileAtomically(file, ""));
  EXPECT_EQ(ReadFileBytes(file), "");
  EXPECT_EQ(std::filesystem::status(file).permissions(), perms);
  if (::geteuid() == 0) return;  // write protection does not bind the superuser
  std::filesystem::permissions(file, std::filesystem::perms::owner_read);
  EXPECT_FALSE(ReplaceFileAtomically(file, "new"));
  EXPECT_FALSE(PatchSeasonFile(file, 0, "n"));
  std::filesystem::permissions(file, std::filesystem::perms::owner_all);
  EXPECT_EQ(ReadFileBytes(file), "");
}

// Catches a writer that succeeds after a failed step, changes its old file or leaves a temporary.
TEST_F(FileIo, EveryWriterFailsWholeOnEveryFaultAndKeepsItsOldFile) {
  store.WeekGameCount = 1;
  store.GameFirstTeam[1] = store.GameDay[1] = 1;
  store.GameSecondTeam[1] = 2;
  const auto& dir = folder.path();
  const std::pair<std::string, std::function<Outcome<void>()>> writers[] = {
      {SettingsFileName, [&] { return WriteSettings(store, dir); }},
      {NamesFileName, [&] { return WriteNames(store, dir); }},
      {"TVSC1999.dat", [&] { return WriteScheduleWeek(store, dir, 1); }},
      {"TVSt1999.dat", [&] { return WriteStatsBlock(store, dir, 0); }},
      {"data.dat", [&] { return ReplaceFileAtomically(file, "new"); }},
  };
  for (const auto& [name, write] : writers) ASSERT_TRUE(write()) << name;
  EXPECT_EQ(EntryCount(), std::size(writers)) << "a temporary file was left behind";
  store.Weighting = 50;
  store.TeamName[1] = "Changed";
  store.GameDay[1] = 2;
  store.Cqr[1] = 70;
  WriteFileBytes(file, "old");
  for (FileOperation operation :
       {FileOperation::Open, FileOperation::Write, FileOperation::Flush, FileOperation::Rename}) {
    for (const auto& [name, write] : writers) {
      const std::string before = ReadFileBytes(dir / name);
      InjectFileFault(operation, 1);
      EXPECT_FALSE(write()) << name << " " << static_cast<int>(operation);
      ClearFileFaults();
      EXPECT_EQ(ReadFileBytes(dir / name), before) << name;
      EXPECT_EQ(EntryCount(), std::size(writers)) << "a temporary file was left behind";
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

// Catches a patch that replaces a file it could not read, or grows one past the size limit.
TEST_F(FileIo, PatchingPadsAShortFileWithZeroBytesAndNeverLosesTheOld) {
  ASSERT_TRUE(PatchSeasonFile(file, 4, "xy"));
  ASSERT_TRUE(PatchSeasonFile(file, 1, "A"));
  EXPECT_EQ(ReadFileBytes(file), std::string("\0A\0\0xy", 6));
  EXPECT_FALSE(PatchSeasonFile(file, MaxDataFileSize, "z"));
  InjectFileFault(FileOperation::Open, 1);  // the read of the old contents
  EXPECT_FALSE(PatchSeasonFile(file, 0, "x"));
  EXPECT_EQ(ReadFileBytes(file), std::string("\0A\0\0xy", 6));
}

}  // namespace
}  // namespace tavrin
