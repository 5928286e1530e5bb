// A change of a season folder as one step, what a crash leaves of it, and the one-writer lock.

#include "season/season_change.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <map>

#include "season/file_io.h"
#include "season/season_lock.h"
#include "support/temp_folder.h"

namespace tavrin {
namespace {

namespace fs = std::filesystem;
using testing::FolderFiles;
using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

std::string Staged(const std::string& name) { return "." + name + std::string(StagedSuffix); }

class SeasonChangeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFileBytes(folder.path() / "A.dat", "old a");
    WriteFileBytes(folder.path() / "B.dat", "old b");
  }
  void TearDown() override { ClearFileFaults(); }
  fs::path At(const char* name) const { return folder.path() / name; }
  TempFolder folder;
};

// Catches a file written before the commit, what is staged missed, and a file left behind.
TEST_F(SeasonChangeTest, FilesOfOneChangeReachTheDiskTogetherAtTheCommit) {
  {
    SeasonChange change(folder.path());
    ASSERT_TRUE(WriteSeasonFile(At("A.dat"), "new a"));
    ASSERT_TRUE(WriteSeasonFile(At("B.dat"), "new b"));
    EXPECT_EQ(ReadFileBytes(At("A.dat")), "old a");
    const auto seen = ReadSeasonFile(At("A.dat"));
    ASSERT_TRUE(seen && *seen);
    EXPECT_EQ(**seen, "new a");
    const auto part = ReadSeasonFileRange(At("B.dat"), 4, 10);
    ASSERT_TRUE(part && *part);
    EXPECT_EQ(**part, "b");
    ASSERT_TRUE(change.Commit());
  }
  EXPECT_EQ(FolderFiles(folder.path()),
            (std::map<std::string, std::string>{{"A.dat", "new a"}, {"B.dat", "new b"}}));
}

// Catches an abandoned change that still writes, and a joined one taking back more than its own.
TEST_F(SeasonChangeTest, AnAbandonedChangeWritesNothingAndAJoinedOneTakesBackOnlyItsOwn) {
  {
    SeasonChange change(folder.path());
    ASSERT_TRUE(WriteSeasonFile(At("A.dat"), "new a"));
  }
  EXPECT_EQ(ReadFileBytes(At("A.dat")), "old a");
  {
    SeasonChange outer(folder.path());
    ASSERT_TRUE(WriteSeasonFile(At("A.dat"), "new a"));
    {
      SeasonChange inner(folder.path());
      ASSERT_TRUE(WriteSeasonFile(At("B.dat"), "new b"));
      ASSERT_TRUE(PatchSeasonFile(At("A.dat"), 4, "A"));
    }
    ASSERT_TRUE(outer.Commit());
  }
  EXPECT_EQ(FolderFiles(folder.path()),
            (std::map<std::string, std::string>{{"A.dat", "new a"}, {"B.dat", "old b"}}));
}

// Catches a commit after a failed read, and a write into a folder another program holds.
TEST_F(SeasonChangeTest, ACommitIsRefusedAfterAFailedReadOrInAReadOnlyFolder) {
  {
    SeasonChange change(folder.path());
    InjectFileFault(FileOperation::Open, 1);
    EXPECT_FALSE(ReadSeasonFile(At("B.dat")));
    EXPECT_FALSE(WriteSeasonFile(At("A.dat"), "new a"));
    const auto committed = change.Commit();
    ASSERT_FALSE(committed);
    EXPECT_NE(committed.failure().find("B.dat"), std::string::npos) << committed.failure();
  }
  ClearFileFaults();
  TempFolder shown;
  MarkSeasonReadOnly(shown.path(), "in use elsewhere");
  const auto refused = WriteSeasonFile(shown.path() / "A.dat", "new a");
  ASSERT_FALSE(refused);
  EXPECT_EQ(refused.failure(), "in use elsewhere");
  EXPECT_TRUE(fs::is_empty(shown.path()));
  EXPECT_EQ(ReadFileBytes(At("A.dat")), "old a");
}

// What a crash leaves, and what the next open makes of it.
TEST_F(SeasonChangeTest, TheNextOpenFinishesAJournalledChangeAndRemovesWhatOthersLeft) {
  const std::string journal = "tavrin change\nA.dat\nB.dat\nend\n";
  const std::string own_temporary =
      ".A.dat" + std::string(TemporaryMarker) + std::to_string(::getpid()) + "-1";
  const struct {
    const char* what;
    std::map<std::string, std::string> left;  // beside A.dat and B.dat
    std::map<std::string, std::string> after;
  } cases[] = {
      {"both files staged, the journal in place",
       {{Staged("A.dat"), "new a"}, {Staged("B.dat"), "new b"}, {JournalFileName, journal}},
       {{"A.dat", "new a"}, {"B.dat", "new b"}}},
      {"killed after the first rename",
       {{Staged("B.dat"), "new b"}, {JournalFileName, journal}},
       {{"A.dat", "old a"}, {"B.dat", "new b"}}},
      {"killed before the journal",
       {{Staged("A.dat"), "new a"}, {JournalFileName + std::string(StagedSuffix), journal}},
       {{"A.dat", "old a"}, {"B.dat", "old b"}}},
      {"a dead writer's temporary file",
       {{".A.dat" + std::string(TemporaryMarker) + "999999999-1", "x"}},
       {{"A.dat", "old a"}, {"B.dat", "old b"}}},
      {"a living writer's temporary file",
       {{own_temporary, "x"}},
       {{"A.dat", "old a"}, {"B.dat", "old b"}, {own_temporary, "x"}}},
  };
  for (const auto& c : cases) {
    SetUp();
    for (const auto& [name, bytes] : c.left) WriteFileBytes(folder.path() / name, bytes);
    EXPECT_TRUE(RecoverSeasonFolder(folder.path())) << c.what;
    EXPECT_EQ(FolderFiles(folder.path()), c.after) << c.what;
    fs::remove(folder.path() / own_temporary);
  }
}

// Catches a journal followed that is not whole or names what is not a plain file of the folder.
TEST_F(SeasonChangeTest, ADamagedJournalIsRefusedAndNothingIsRenamed) {
  for (const char* journal : {"tavrin change\nA.dat\n", "tavrin change\n../A.dat\nend\n",
                              "tavrin change\n.tavrin.lock\nend\n", "A.dat\nend\n"}) {
    SetUp();
    WriteFileBytes(folder.path() / Staged("A.dat"), "new a");
    WriteFileBytes(folder.path() / JournalFileName, journal);
    const auto recovered = RecoverSeasonFolder(folder.path());
    ASSERT_FALSE(recovered) << journal;
    EXPECT_NE(recovered.failure().find("journal"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(At("A.dat")), "old a");
  }
}

// Catches a second writer let in, a refusal not naming the holder, a lock outliving its holder.
TEST(SeasonLockTest, ASecondHolderIsRefusedNamingTheFirstUntilItLetsGo) {
  TempFolder folder;
  {
    auto first = SeasonLock::Acquire(folder.path(), ToolProgramName, std::chrono::milliseconds(0));
    ASSERT_TRUE(first);
    EXPECT_EQ(SeasonLockHolder(folder.path()), std::optional<std::string>(ToolProgramName));
    const auto second =
        SeasonLock::Acquire(folder.path(), WindowProgramName, std::chrono::milliseconds(50));
    ASSERT_FALSE(second);
    EXPECT_EQ(second.failure(), "The season in " + folder.path().string() +
                                    " is in use by tavrin-cli (process " +
                                    std::to_string(::getpid()) + ")");
  }
  EXPECT_TRUE(SeasonLock::Acquire(folder.path(), WindowProgramName, std::chrono::milliseconds(0)));
}

}  // namespace
}  // namespace tavrin
