// The tool on a real season folder, as a separate program.

#include <fmt/format.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <sstream>

#include "cli/tool_run.h"
#include "reports/golden_case.h"
#include "season/season_lock.h"

namespace tavrin {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::RunTool;
using testing::TempFolder;
using testing::ToolRun;
using testing::WriteFileBytes;

// The season's data files, without the lock the tool leaves with its process number.
std::map<std::string, std::string> DataFiles(const fs::path& folder) {
  return testing::FolderFiles(folder, false);
}

std::vector<std::vector<std::string>> CsvRows(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    std::vector<std::string> fields;
    std::istringstream parts(line);
    for (std::string field; std::getline(parts, field, ',');) fields.push_back(field);
    rows.push_back(fields);
  }
  return rows;
}

// The columns of 1999 as recorded.
enum { Week = 1, Day = 3, Visitor = 4, Home = 5, VisitorScore = 6, HomeScore = 7 };

class SeasonFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    season_rows_ = CsvRows(ReadFileBytes(testing::TestDataDir() / "seasons" / "1999.csv"));
    folder_.CopyFilesFrom(testing::GoldenCaseDir("1999") / "start");
    ASSERT_EQ(Import(Season(5, false)).status, 0);
    std::string week6, week7;
    for (const auto& row : season_rows_) {
      if (row[Week] == "6") week6 += row[VisitorScore] + " " + row[HomeScore] + "\n";
      if (row[Week] == "7") week7 += row[Visitor] + " " + row[Home] + " " + row[Day] + "\n";
    }
    WriteFileBytes(Input("week6.txt"), week6);
    WriteFileBytes(Input("week7.txt"), week7);
  }

  // 1999 scored through `scored` weeks; with `turned`, week 1's games with their teams swapped.
  std::string Season(int scored, bool turned) const {
    std::string csv;
    for (auto row : season_rows_) {
      if (row[Week] != "week" && std::stoi(row[Week]) > scored)
        row[VisitorScore] = row[HomeScore] = "";
      if (turned && row[Week] == "1") std::swap(row[Visitor], row[Home]);
      for (std::size_t at = 0; at < row.size(); ++at) csv += (at ? "," : "") + row[at];
      csv += "\n";
    }
    return csv;
  }

  ToolRun Import(const std::string& csv, const std::string& options = "",
                 const fs::path& into = {}) {
    WriteFileBytes(Input("season.csv"), csv);
    return RunTool(into.empty() ? folder() : into,
                   "import " + options + " '" + Input("season.csv").string() + "'");
  }

  fs::path folder() const { return folder_.path(); }
  fs::path Input(const char* name) const { return inputs_.path() / name; }

  std::vector<std::vector<std::string>> season_rows_;
  TempFolder folder_;
  TempFolder inputs_;
};

// Catches a writer let in beside the window, a refusal not saying by whom, readers shut out.
TEST_F(SeasonFolderTest, BesideTheWindowAWriterIsRefusedAtOnceAndAReaderStillReads) {
  const auto before = DataFiles(folder());
  {
    const auto window =
        SeasonLock::Acquire(folder(), WindowProgramName, std::chrono::milliseconds(0));
    ASSERT_TRUE(window);
    const ToolRun refused =
        RunTool(folder(), "enter-scores 6 '" + Input("week6.txt").string() + "'");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.output.find(fmt::format("is in use by tavrin (process {}). Nothing has "
                                              "been changed",
                                              ::getpid())),
              std::string::npos)
        << refused.output;
    EXPECT_EQ(DataFiles(folder()), before);
    EXPECT_EQ(RunTool(folder(), "predictions 6").status, 0);
  }
  EXPECT_EQ(RunTool(folder(), "enter-scores 6 '" + Input("week6.txt").string() + "'").status, 0);
  EXPECT_NE(DataFiles(folder()), before);
}

// Catches a file that cannot be read (a folder in its place) taken for an empty one.
TEST_F(SeasonFolderTest, ACommandThatCannotReadTheSeasonRefusesAndWritesNothing) {
  const fs::path schedule = folder() / "TVSC1999.dat";
  fs::rename(schedule, folder() / "kept");
  fs::create_directory(schedule);
  const auto before = DataFiles(folder());
  for (const std::string& command :
       {"enter-scores 6 '" + Input("week6.txt").string() + "'",
        "set-schedule 7 '" + Input("week7.txt").string() + "'",
        "export '" + Input("out.csv").string() + "'", std::string("predictions 6")}) {
    const ToolRun run = RunTool(folder(), command);
    EXPECT_EQ(run.status, 1) << command << "\n" << run.output;
    EXPECT_NE(run.output.find("TVSC1999.dat"), std::string::npos) << command << run.output;
    EXPECT_EQ(DataFiles(folder()), before) << command;
    EXPECT_FALSE(fs::exists(Input("out.csv"))) << command;
  }
}

// Catches input that is no file of lines, or far too large, read or waited on.
TEST_F(SeasonFolderTest, InputThatIsNotARegularFileOrIsTooLargeIsRefusedAtOnce) {
  const fs::path fifo = Input("fifo");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const fs::path large = Input("large.txt");
  WriteFileBytes(large, "");
  fs::resize_file(large, 17u << 20);
  const auto before = DataFiles(folder());
  const struct {
    std::string arguments, input, says;
  } cases[] = {
      {"enter-scores 6 '" + fifo.string() + "'", "/dev/null", "not a regular file"},
      {"enter-scores 6 /dev/urandom", "/dev/null", "not a regular file"},
      {"enter-scores 6 '" + large.string() + "'", "/dev/null", "larger than"},
      {"enter-scores 6 -", large.string(), "more than"},
      {"import --replace '" + large.string() + "'", "/dev/null", "larger than"},
  };
  for (const auto& c : cases) {
    const ToolRun run = RunTool(folder(), c.arguments, c.input);
    EXPECT_EQ(run.status, 2) << c.arguments << "\n" << run.output;
    EXPECT_NE(run.output.find(c.says), std::string::npos) << c.arguments << "\n" << run.output;
  }
  EXPECT_EQ(DataFiles(folder()), before);
}

// Catches an import that keeps anything of the season it replaces, or replaces it unasked.
TEST_F(SeasonFolderTest, AnImportOverAScoredSeasonNeedsReplaceAndLeavesNothingOfTheOld) {
  const auto before = DataFiles(folder());
  const ToolRun refused = Import(Season(3, true));
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.output.find("this replaces the 5 scored weeks of 1999; give --replace"),
            std::string::npos)
      << refused.output;
  EXPECT_EQ(DataFiles(folder()), before);

  ASSERT_EQ(Import(Season(3, true), "--replace").status, 0);
  TempFolder fresh;
  fresh.CopyFilesFrom(testing::GoldenCaseDir("1999") / "start");
  ASSERT_EQ(Import(Season(3, true), "", fresh.path()).status, 0);
  EXPECT_EQ(DataFiles(folder()), DataFiles(fresh.path()));
}

// Catches a picked result that moves the odds the wrong way, or is saved.
TEST_F(SeasonFolderTest, OddsPicksMoveTheOddsTheirWayAndAreNeverSaved) {
  const auto before = DataFiles(folder());
  const auto playoffs = [&](const std::string& picks, int team) {
    const ToolRun run = RunTool(folder(), "odds --csv --runs 2000 --seed 3" + picks);
    EXPECT_EQ(run.status, 0) << run.output;
    return std::stod(CsvRows(run.output).at(team).at(7));
  };
  std::vector<std::string> game;
  for (const auto& row : season_rows_)
    if (row[Week] == "6" && game.empty()) game = row;
  const int visitor = std::stoi(game[Visitor]);
  const std::string pick = fmt::format(" --fix 6:{}-{}=", game[Visitor], game[Home]);
  const double as_is = playoffs("", visitor);
  const double won = playoffs(pick + game[Visitor], visitor);
  const double lost = playoffs(pick + game[Home], visitor);
  EXPECT_GE(won, as_is);
  EXPECT_LE(lost, as_is);
  EXPECT_GT(won, lost);
  EXPECT_EQ(DataFiles(folder()), before);

  const ToolRun played = RunTool(folder(), "odds --fix 5:1-2=1");
  EXPECT_EQ(played.status, 1);
  EXPECT_NE(played.output.find("week 5 has no game left of Buffalo at Indianapolis"),
            std::string::npos)
      << played.output;
  for (const char* malformed : {"6:1-2=3", "6:1=1", "19:1-2=1", "6:1-2"})
    EXPECT_EQ(RunTool(folder(), std::string("odds --fix ") + malformed).status, 2) << malformed;
  EXPECT_EQ(RunTool(folder(), "odds --csv --runs 10")
                .output.rfind("team,conference,division,won,lost,tied,p_division,p_playoffs,"
                              "p_rest,p_final,p_title,p_seed1,p_seed2,p_seed3,p_seed4,p_seed5,"
                              "p_seed6,status\n",
                              0),
            0u);
}

// Catches a 32-team year set before New Season Setup that cannot be worked: its first week is
// typed under the year's own names, which are not written until the setup; a damaged names file
// is still reported.
TEST_F(SeasonFolderTest, AThirtyTwoTeamYearTakesItsOwnNamesUntilItsNamesFileIsWritten) {
  ASSERT_EQ(RunTool(folder(), "settings --year 2002").status, 0);
  WriteFileBytes(Input("week1.txt"), "32 31 1\n1 2 1\n3 4 1\n5 6 1\n7 8 1\n9 10 1\n11 12 1\n");
  const ToolRun typed = RunTool(folder(), "set-schedule 1 '" + Input("week1.txt").string() + "'");
  EXPECT_EQ(typed.status, 0);
  EXPECT_EQ(typed.output, "Schedule for Week 1 has been saved.\n");
  EXPECT_NE(RunTool(folder(), "schedule week 1").output.find("Houston"), std::string::npos);
  EXPECT_FALSE(fs::exists(folder() / "TavNM32.dat"));
  WriteFileBytes(folder() / "TavNM32.dat", "Buffalo\n");
  EXPECT_NE(RunTool(folder(), "schedule week 1").output.find("Cannot Load"), std::string::npos);
}

// The community's games file imports a season of the 31-team league into the files the season's
// own CSV gives (its games are the league tests'); a season of the 32-team league is refused whole.
TEST_F(SeasonFolderTest, TheCommunitysGamesFileImportsAsTheSeasonCsvDoes) {
  const fs::path modern = testing::TestDataDir() / "seasons" / "modern";
  TempFolder community;
  community.CopyFilesFrom(testing::GoldenCaseDir("1999") / "start");
  const fs::path games = modern / "games_1999.csv";
  EXPECT_EQ(RunTool(community.path(), "import --season 1999 '" + games.string() + "'").status, 0);
  auto imported = DataFiles(community.path());
  imported.erase("TVML1999.csv");  // the recorded case keeps no betting lines
  EXPECT_EQ(imported, DataFiles(testing::GoldenCaseDir("1999") / "final"));
  const auto before = DataFiles(folder());
  const ToolRun refused = RunTool(
      folder(), "import --replace --season 2019 '" + (modern / "games_2019.csv").string() + "'");
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.output.find("the 2019 season is one of the 32-team league"), std::string::npos)
      << refused.output;
  EXPECT_EQ(DataFiles(folder()), before);
  EXPECT_EQ(Import(Season(17, false), "--replace --season 1999").status, 2);
}

}  // namespace
}  // namespace tavrin
