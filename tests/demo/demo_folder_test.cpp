// Writing the demo season into a folder: never over a user's data, never half a season, and a
// first season's start exactly as the golden start folders were made.
#include "demo/demo_folder.h"

#include <gtest/gtest.h>

#include "demo/demo_teams.h"
#include "demo/first_season_start.h"
#include "season/data_files.h"
#include "season/file_io.h"
#include "season/season_csv.h"
#include "support/scripted_ui.h"
#include "support/temp_folder.h"

namespace tavrin::demo {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::ScriptedUi;
using testing::TempFolder;
using testing::WriteFileBytes;

std::vector<std::string> Entries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(DemoFolder, RefusesAFolderHoldingAnyDataFileAndLeavesItAlone) {
  for (const char* name : {"TavSE.dat", "TavNM.dat", "TVSC1999.dat", "TVSt2003.dat"}) {
    SCOPED_TRACE(name);
    TempFolder folder;
    WriteFileBytes(folder.path() / name, "the user's own season");
    ScriptedUi ui;
    EXPECT_EQ(WriteDemoSeason(folder.path(), DemoOptions{}, ui), CommandResult::Refused);
    EXPECT_EQ(Entries(folder.path()), std::vector<std::string>{name});
    EXPECT_EQ(ReadFileBytes(folder.path() / name), "the user's own season");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find(name), std::string::npos) << ui.messages[0].text;
  }
}

TEST(DemoFolder, WritesIntoAFolderWithOtherFiles) {
  TempFolder folder;
  WriteFileBytes(folder.path() / "notes.txt", "kept");
  ScriptedUi ui;
  EXPECT_EQ(WriteDemoSeason(folder.path(), DemoOptions{}, ui), CommandResult::Done);
  EXPECT_EQ(Entries(folder.path()),
            (std::vector<std::string>{"TVSC1999.dat", "TVSC2000.dat", "TVSt1999.dat",
                                      "TVSt2000.dat", "TavNM.dat", "TavSE.dat", "notes.txt"}));
  EXPECT_TRUE(ui.messages.empty());
}

// Catches a failed step leaving files or its scratch folder behind, and bad options written.
TEST(DemoFolder, AFailedStepLeavesNothingBehindAndSaysWhy) {
  for (int nth : {0, 1, 30, 60}) {
    SCOPED_TRACE(::testing::Message() << "rename " << nth << " fails (0: weeks played 40)");
    TempFolder folder;
    ScriptedUi ui;
    if (nth > 0) InjectFileFault(FileOperation::Rename, nth);
    const DemoOptions options{2000, 1, nth > 0 ? 8 : 40};
    EXPECT_EQ(WriteDemoSeason(folder.path(), options, ui),
              nth > 0 ? CommandResult::NotSaved : CommandResult::Refused);
    ClearFileFaults();
    EXPECT_TRUE(Entries(folder.path()).empty()) << "no data file and no scratch folder";
    EXPECT_FALSE(ui.messages.empty());
  }
}

// The golden 1999 case starts from a made-up block 0 over 1999's real first week; the demo's
// first season is started the same way, so with that week it must give the same files.
TEST(FirstSeasonStart, MatchesTheGoldenStartFolder) {
  TAVRIN_REQUIRE_SHARED_DATA();
  const fs::path shared = testing::SharedDataDir();
  TempFolder folder;
  SeasonStore store;
  store.WorkingYear = 1999;
  store.Reactivity = store.Weighting = 100;
  store.WeeksInSeason = 17;
  store.TeamCount = LeagueTeamCount;
  for (int t = 1; t <= DemoTeamCount; ++t) {
    store.LocationName[t] = DemoTeams()[t - 1].location;
    store.TeamName[t] = DemoTeams()[t - 1].nickname;
  }
  ASSERT_EQ(WriteNames(store, folder.path()), NamesWriteResult::Written);
  std::vector<CsvProblem> problems;
  const SeasonCsv season =
      ReadSeasonCsv(ReadFileBytes(shared / "seasons" / "1999.csv"), 17, problems);
  ASSERT_TRUE(problems.empty());
  for (const CsvGame& game : season.weeks.at(1)) {
    store.GameFirstTeam[game.slot] = static_cast<int16_t>(game.visitor);
    store.GameSecondTeam[game.slot] = static_cast<int16_t>(game.home);
    store.GameDay[game.slot] = static_cast<int16_t>(game.day);
  }
  store.WeekGameCount = static_cast<int16_t>(season.weeks.at(1).size());
  ASSERT_TRUE(WriteScheduleWeek(store, folder.path(), 1));

  ScriptedUi ui;
  Session session{store, ui, folder.path()};
  ASSERT_TRUE(WriteFirstSeasonStart(session));
  const fs::path golden = shared / "golden" / "1999" / "start";
  for (const char* name : {"TavSE.dat", "TavNM.dat", "TVSt1999.dat"})
    EXPECT_EQ(ReadFileBytes(folder.path() / name), ReadFileBytes(golden / name)) << name;
}

}  // namespace
}  // namespace tavrin::demo
