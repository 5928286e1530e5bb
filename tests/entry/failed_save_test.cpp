// Every entry command that writes a file, made to fail at the replace.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "engine/season_fixture.h"
#include "entry/names_update.h"
#include "entry/new_season.h"
#include "entry/schedule_save.h"
#include "entry/settings_update.h"
#include "entry/stats_editor.h"
#include "season/file_io.h"

namespace tavrin {
namespace {

class FailedSaveTest : public testing::SeasonFixture {
 protected:
  ~FailedSaveTest() override { ClearFileFaults(); }
};

// Catches a writer that claims success, stays silent, or leaves its file half-written.
TEST_F(FailedSaveTest, EveryWriterReportsItAndKeepsTheOldFile) {
  const std::string unable = "Unable to Save file - check disk, write protect etc..";
  std::vector<std::string> locations, team_names;
  for (int team = 1; team <= LeagueTeamCount; ++team) {
    locations.push_back(store.LocationName[team]);
    team_names.push_back(store.TeamName[team]);
  }
  // Last season's final block and the new season's first week, for the new season's setup.
  FillStartBlock(60);
  for (int game = 1; game <= 5; ++game) SetPick(game, game, 2.5f);
  ASSERT_TRUE(WriteStatsBlock(store, folder.path(), 17));
  store.WorkingYear = 2000;
  WriteSchedule(1, {{1, 2}});
  store.WorkingYear = 1999;
  const std::pair<const char*, std::function<bool()>> cases[] = {
      // the file, saved?
      {"TVSt2000.dat",
       [&] {
         store.WorkingYear = 2000;
         store.LastScoredWeek = 17;
         ui.inputs.push_back("17");
         const bool saved = RunNewSeasonSetup(session) == CommandResult::Done;
         store.WorkingYear = 1999;
         return saved;
       }},
      {"TavSE.dat",
       [&] {
         // the program goes on with the year the file still holds
         const bool saved = ApplySettings(session, {"2001", "17", 100, 100}) == CommandResult::Done;
         EXPECT_EQ(store.WorkingYear, 1999);
         return saved;
       }},
      {"TVSt1999.dat", [&] { return store.LastScoredWeek = 9, SaveEditorBlock(session, 3); }},
      {"TVSC1999.dat",
       [&] {
         std::vector<ScheduledGame> games;
         for (int16_t game = 1; game <= 7; ++game) games.push_back({game, int16_t(16 + game), 1});
         return SaveScheduleWeek(session, "2", games);
       }},
      {"TavNM.dat",
       [&] {
         // reports go on naming the teams as the file does
         const std::string first = store.LocationName[1];
         locations[0] = "Elsewhere";
         const bool saved = SaveNames(session, locations, team_names) == CommandResult::Done;
         EXPECT_EQ(store.LocationName[1], first);
         return saved;
       }},
  };
  for (const auto& [name, save] : cases) {
    SCOPED_TRACE(name);
    const auto file = folder.path() / name;
    testing::WriteFileBytes(file, "held before");
    ui.messages.clear();
    InjectFileFault(FileOperation::Rename, 1);
    EXPECT_FALSE(save());
    ClearFileFaults();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_THAT(ui.messages[0].text,
                ::testing::AllOf(::testing::StartsWith(unable + "\n\r"), ::testing::HasSubstr(name),
                                 ::testing::EndsWith("\n\rNo file has been changed.")));
    EXPECT_EQ(testing::ReadFileBytes(file), "held before");
  }
}

}  // namespace
}  // namespace tavrin
