// The recorded seasons replayed through the tavrin-cli executable, which covers the command
// functions beneath it: every data file must come out byte for byte as recorded, and every
// golden report must be printed line for line from the season's final files.

#include <fmt/format.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>

#include "reports/golden_case.h"

namespace tavrin {
namespace {

namespace fs = std::filesystem;
using testing::GoldenCaseDir;

fs::path Season(int year) {
  return testing::SharedDataDir() / "seasons" / (std::to_string(year) + ".csv");
}

// The tool's exit status; its standard output goes to `output` when given.
int Cli(const fs::path& folder, const std::string& arguments, std::string* output = nullptr) {
  const std::string command =
      fmt::format("{} -C '{}' {} 2>/dev/null", TAVRIN_CLI_PATH, folder.string(), arguments);
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return -1;
  char buffer[4096];
  for (std::size_t read; (read = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
    if (output != nullptr) output->append(buffer, read);
  }
  const int status = pclose(pipe);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
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

// Imports `csv` into `folder` as the case was recorded: 2000 starts from 1999's final files and
// opens its season with the tool's new-season command.
void ImportAsRecorded(const std::string& name, const testing::TempFolder& into,
                      const fs::path& csv) {
  const fs::path& folder = into.path();
  const std::string quoted = "'" + csv.string() + "'";
  if (name == "2000") {
    into.CopyFilesFrom(GoldenCaseDir("1999") / "final");
    ASSERT_EQ(Cli(folder, "settings --year 2000"), 0);
    ASSERT_EQ(Cli(folder, "import --schedules-only " + quoted), 0);
    ASSERT_EQ(Cli(folder, "new-season --weeks 17"), 0);
  } else {
    into.CopyFilesFrom(GoldenCaseDir(name) / "start");
  }
  ASSERT_EQ(Cli(folder, "import " + quoted), 0);
}

class GoldenReplay : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override { TAVRIN_REQUIRE_SHARED_DATA(); }
  std::string name() const { return GetParam(); }
  // The case's final files, copied so that no command can touch the recorded ones.
  fs::path FinalCopy() {
    final_.CopyFilesFrom(GoldenCaseDir(name()) / "final");
    return final_.path();
  }

 private:
  testing::TempFolder final_;
};

// A fault in scheduling, score entry, rating or the writers changes a data file.
// The scorecard's season lines carry the figures counted by a separate script from the recorded
// seasons: Tavrin's, then the market's once the import has stored the betting lines.
TEST_P(GoldenReplay, TheSeasonImportsIntoTheRecordedFilesAndScorecard) {
  testing::TempFolder folder;
  ImportAsRecorded(name(), folder, Season(name() == "2000" ? 2000 : 1999));
  ExpectSameDataFiles(GoldenCaseDir(name()) / "final", folder.path());
  const std::map<std::string, std::vector<std::string>> counted{
      {"1999",
       {" Season        248     237    150    63.3       10.230    11.351",
        " Season        248     244    163    66.8       10.327    11.169"}},
      {"2000",
       {" Season        248     242    151    62.4       10.377    11.835",
        " Season        248     243    158    65.0       10.419    11.431"}}};
  const auto expected = counted.find(name());
  if (expected == counted.end()) return;  // no figures counted for this case
  auto season_lines = [&] {
    std::string output;
    EXPECT_EQ(Cli(folder.path(), "scorecard", &output), 0);
    std::vector<std::string> lines;
    for (const auto& line : testing::SplitLines(output)) {
      if (line.rfind(" Season ", 0) == 0) lines.push_back(line.substr(0, 64));
    }
    return lines;
  };
  EXPECT_EQ(season_lines(), expected->second);
  fs::remove(folder.path() / fmt::format("TVML{}.csv", name()));
  EXPECT_EQ(season_lines(), std::vector<std::string>{expected->second.front()});
}

// A fault in the export, or in the import of what the export writes, loses a game or a score.
TEST_P(GoldenReplay, AnExportedSeasonImportsBackIntoTheSameFiles) {
  testing::TempFolder finished;
  finished.CopyFilesFrom(GoldenCaseDir(name()) / "final");
  const fs::path csv = finished.path() / "season.csv";
  ASSERT_EQ(Cli(finished.path(), "export '" + csv.string() + "'"), 0);
  testing::TempFolder again;
  ImportAsRecorded(name(), again, csv);
  ExpectSameDataFiles(GoldenCaseDir(name()) / "final", again.path());
}

// Every report file the week, team, statistics and projection reports print, each compared once;
// the projections and single games of every week are the golden analysis test's own.
TEST_P(GoldenReplay, EveryReportPrintsAsRecorded) {
  const int weeks = 17;
  std::vector<std::pair<std::string, std::string>> table{
      {"schedule season", "schedule_season.txt"}, {"projection", "projection_after_week_17.txt"}};
  for (int week = 1; week <= weeks; ++week) {
    table.push_back(
        {fmt::format("predictions {}", week), fmt::format("predictions_week_{:02}.txt", week)});
    table.push_back(
        {fmt::format("schedule week {}", week), fmt::format("schedule_week_{:02}.txt", week)});
    table.push_back({fmt::format("results {}", week), fmt::format("results_week_{:02}.txt", week)});
    table.push_back(
        {fmt::format("standings {}", week), fmt::format("standings_week_{:02}.txt", week)});
  }
  for (int team = 1; team <= LeagueTeamCount; ++team) {
    table.push_back(
        {fmt::format("schedule team {}", team), fmt::format("schedule_team_{:02}.txt", team)});
    table.push_back(
        {fmt::format("team-results {}", team), fmt::format("team_results_{:02}.txt", team)});
  }
  const char* sorts[] = {"rating", "percentage", "offense", "defense"};
  const char* files[] = {"quality_rating", "percentage", "ave_offense", "ave_defense"};
  for (int block = 0; block <= weeks; ++block) {
    for (int order = 0; order < 4; ++order) {
      table.push_back(
          {fmt::format("statistics {} --sort {}", block, sorts[order]),
           fmt::format("statistics_block_{:02}_sort{}_{}.txt", block, order, files[order])});
    }
  }
  const fs::path folder = FinalCopy();
  for (const auto& [command, file] : table) {
    std::string output;
    EXPECT_EQ(Cli(folder, command, &output), 0) << command;
    EXPECT_EQ(testing::SplitLines(output), testing::GoldenReport(name(), file)) << command;
  }
}

// Every team's rating series, teams in pairs as the comparison graph loads them: a row per team
// of its CQR by block.
TEST_P(GoldenReplay, GraphSeries) {
  const fs::path folder = FinalCopy();
  const auto series = testing::GoldenReport(name(), "rating_series.csv");
  ASSERT_EQ(series.size(), LeagueTeamCount + 1u);
  for (int team = 1; team <= LeagueTeamCount; team += 2) {
    const int second = std::min<int>(team + 1, LeagueTeamCount);
    std::string output;
    ASSERT_EQ(Cli(folder, fmt::format("graph {} {}", team, second), &output), 0);
    std::string rows[2] = {std::to_string(team), std::to_string(second)};
    for (const auto& line : testing::SplitLines(output)) {
      std::istringstream fields(line);
      std::string block, one, two;
      fields >> block >> one >> two;
      rows[0] += "," + one;
      rows[1] += "," + (two.empty() ? one : two);
    }
    EXPECT_EQ(rows[0], series[team]);
    EXPECT_EQ(rows[1], series[second]);
  }
}

TAVRIN_GOLDEN_CASES(GoldenReplay);

}  // namespace
}  // namespace tavrin
