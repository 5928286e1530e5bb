// The three recorded seasons replayed from their start files, once through the command
// functions and once through the tavrin-cli executable: every data file must come out byte for
// byte as recorded.

#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/results_processing.h"
#include "entry/new_season.h"
#include "entry/schedule_save.h"
#include "entry/score_entry.h"
#include "entry/settings_update.h"
#include "season/data_files.h"
#include "season/file_io.h"
#include "season/season_csv.h"
#include "support/scripted_ui.h"
#include "support/temp_folder.h"

namespace tavrin {
namespace {

namespace fs = std::filesystem;

fs::path Golden(const std::string& name) { return testing::SharedDataDir() / "golden" / name; }
fs::path Season(int year) {
  return testing::SharedDataDir() / "seasons" / (std::to_string(year) + ".csv");
}

void ExpectSameDataFiles(const fs::path& expected_folder, const fs::path& folder) {
  int compared = 0;
  for (const auto& entry : fs::directory_iterator(expected_folder)) {
    const fs::path made = folder / entry.path().filename();
    ASSERT_TRUE(fs::exists(made)) << made;
    EXPECT_TRUE(testing::ReadFileBytes(made) == testing::ReadFileBytes(entry.path()))
        << entry.path().filename() << " differs";
    ++compared;
  }
  EXPECT_GE(compared, 4);
}

// Replays through the entry functions, as the windows would call them.
class CommandReplay {
 public:
  explicit CommandReplay(const fs::path& folder) : session_{store_, ui_, folder} {
    EXPECT_TRUE(ReadSettings(store_, folder));
    EXPECT_TRUE(ReadNames(store_, folder));
  }

  void Import(int year, bool schedules_only) {
    const auto text = ReadWholeFile(Season(year));
    ASSERT_TRUE(text);
    std::vector<CsvProblem> problems;
    const SeasonCsv season = ReadSeasonCsv(*text, store_.WeeksInSeason, problems);
    ASSERT_TRUE(problems.empty()) << problems.front().what;
    for (const auto& [week, games] : season.weeks) {
      std::vector<ScheduledGame> schedule;
      for (const auto& game : games) {
        schedule.push_back({static_cast<int16_t>(game.visitor), static_cast<int16_t>(game.home),
                            static_cast<int16_t>(game.day)});
      }
      ASSERT_TRUE(SaveScheduleWeek(session_, std::to_string(week), schedule)) << week;
    }
    if (schedules_only) return;
    for (const auto& [week, games] : season.weeks) {
      ASSERT_TRUE(OpenScoreEntry(session_, week)) << week;
      std::vector<ScoreTexts> scores;
      for (const auto& game : games) {
        scores.push_back({std::to_string(*game.visitor_score), std::to_string(*game.home_score)});
      }
      ASSERT_EQ(ProcessWeekResults(session_, week, scores), ProcessResult::Done) << week;
    }
  }

  void StartNewSeason(int year) {
    ASSERT_EQ(ApplySettings(session_, {std::to_string(year), "17", 100, 100}),
              SettingsResult::Saved);
    Import(year, true);
    ui_.inputs.push_back("17");
    ASSERT_EQ(RunNewSeasonSetup(session_), NewSeasonResult::Done);
  }

 private:
  SeasonStore store_;
  testing::ScriptedUi ui_;
  Session session_;
};

class GoldenReplayTest : public ::testing::Test {
 protected:
  void SetUp() override { TAVRIN_REQUIRE_SHARED_DATA(); }

  void CopyStart(const fs::path& start) { folder_.CopyFilesFrom(start); }

  int Cli(const std::string& arguments) { return Cli(folder_.path(), arguments); }
  static int Cli(const fs::path& folder, const std::string& arguments) {
    const std::string command = std::string(TAVRIN_CLI_PATH) + " -C '" + folder.string() + "' " +
                                arguments + " 2>/dev/null >/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  testing::TempFolder folder_;
};

TEST_F(GoldenReplayTest, Season1999ThroughTheCommands) {
  CopyStart(Golden("1999") / "start");
  CommandReplay(folder_.path()).Import(1999, false);
  ExpectSameDataFiles(Golden("1999") / "final", folder_.path());
}

TEST_F(GoldenReplayTest, Season1999AtReactivity75Weighting120ThroughTheCommands) {
  CopyStart(Golden("1999_r75_w120") / "start");
  CommandReplay(folder_.path()).Import(1999, false);
  ExpectSameDataFiles(Golden("1999_r75_w120") / "final", folder_.path());
}

TEST_F(GoldenReplayTest, Season2000FromLastSeasonThroughTheCommands) {
  CopyStart(Golden("1999") / "final");
  CommandReplay replay(folder_.path());
  replay.StartNewSeason(2000);
  replay.Import(2000, false);
  ExpectSameDataFiles(Golden("2000") / "final", folder_.path());
}

TEST_F(GoldenReplayTest, Season1999ThroughTheTool) {
  CopyStart(Golden("1999") / "start");
  ASSERT_EQ(Cli("import '" + Season(1999).string() + "'"), 0);
  ExpectSameDataFiles(Golden("1999") / "final", folder_.path());
}

TEST_F(GoldenReplayTest, Season1999AtReactivity75Weighting120ThroughTheTool) {
  CopyStart(Golden("1999_r75_w120") / "start");
  ASSERT_EQ(Cli("import '" + Season(1999).string() + "'"), 0);
  ExpectSameDataFiles(Golden("1999_r75_w120") / "final", folder_.path());
}

TEST_F(GoldenReplayTest, Season2000FromLastSeasonThroughTheTool) {
  CopyStart(Golden("1999") / "final");
  const std::string csv = "'" + Season(2000).string() + "'";
  ASSERT_EQ(Cli("settings --year 2000"), 0);
  ASSERT_EQ(Cli("import --schedules-only " + csv), 0);
  ASSERT_EQ(Cli("new-season --weeks 17"), 0);
  ASSERT_EQ(Cli("import " + csv), 0);
  ExpectSameDataFiles(Golden("2000") / "final", folder_.path());
}

// The export of a finished season, imported the way the season was, makes the same files.
TEST_F(GoldenReplayTest, AnExportedSeasonImportsBackIntoTheSameFiles) {
  for (const std::string name : {"1999", "1999_r75_w120", "2000"}) {
    testing::TempFolder finished;
    finished.CopyFilesFrom(Golden(name) / "final");
    const std::string csv = "'" + (finished.path() / "season.csv").string() + "'";
    ASSERT_EQ(Cli(finished.path(), "export " + csv), 0);
    testing::TempFolder again;
    if (name == "2000") {
      again.CopyFilesFrom(Golden("1999") / "final");
      ASSERT_EQ(Cli(again.path(), "settings --year 2000"), 0);
      ASSERT_EQ(Cli(again.path(), "import --schedules-only " + csv), 0);
      ASSERT_EQ(Cli(again.path(), "new-season --weeks 17"), 0);
    } else {
      again.CopyFilesFrom(Golden(name) / "start");
    }
    ASSERT_EQ(Cli(again.path(), "import " + csv), 0);
    ExpectSameDataFiles(Golden(name) / "final", again.path());
  }
}

}  // namespace
}  // namespace tavrin
