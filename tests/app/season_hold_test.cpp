// The window's hold on its folder, and the read-only season beside another program.

#include "app/season_hold.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "season/data_files.h"
#include "season/season_change.h"
#include "support/scripted_ui.h"
#include "support/temp_folder.h"

namespace tavrin {
namespace {

using testing::ReadFileBytes;
using testing::ScriptedUi;
using testing::TempFolder;
using testing::WriteFileBytes;

constexpr std::chrono::milliseconds NoPatience(0);

// Catches a window that reads a half-finished change, or that keeps no lock for a tool to meet.
TEST(SeasonHold, AFreeFolderIsLockedAndAnInterruptedChangeFinishedFirst) {
  TempFolder folder;
  WriteFileBytes(folder.path() / (".A.dat" + std::string(StagedSuffix)), "new a");
  WriteFileBytes(folder.path() / JournalFileName, "tavrin change\nA.dat\nend\n");
  ScriptedUi ui;
  const auto lock = HoldSeasonFolder(folder.path(), ui, NoPatience);
  ASSERT_TRUE(lock);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(ReadFileBytes(folder.path() / "A.dat"), "new a");
  EXPECT_FALSE(std::filesystem::exists(folder.path() / JournalFileName));
  EXPECT_FALSE(SeasonLock::Acquire(folder.path(), ToolProgramName, NoPatience));
}

// Catches a second window, or one beside a running tool, saving over the other's changes.
TEST(SeasonHold, AFolderInUseOpensReadOnlyAndSaysByWhom) {
  TempFolder folder;
  WriteFileBytes(folder.path() / SettingsFileName, "kept");
  const auto tool = SeasonLock::Acquire(folder.path(), ToolProgramName, NoPatience);
  ASSERT_TRUE(tool);
  ScriptedUi ui;
  EXPECT_FALSE(HoldSeasonFolder(folder.path(), ui, NoPatience));
  ASSERT_EQ(ui.messages.size(), 1u);
  const std::string in_use = "The season in " + folder.path().string() +
                             " is in use by tavrin-cli (process " + std::to_string(::getpid()) +
                             ")";
  EXPECT_EQ(ui.messages[0].text.rfind(in_use + ".\n\rTavrin opens the season read-only", 0), 0u)
      << ui.messages[0].text;
  SeasonStore store;
  store.WorkingYear = 1999;
  const auto saved = WriteSettings(store, folder.path());
  ASSERT_FALSE(saved);
  EXPECT_EQ(saved.failure(), in_use + "; this window only shows the season");
  EXPECT_EQ(ReadFileBytes(folder.path() / SettingsFileName), "kept");
}

}  // namespace
}  // namespace tavrin
