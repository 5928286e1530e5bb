// The companion tool: the recorded seasons replayed through it, file for file and report for
// report; then each command's options, exit statuses and refusals, and the console's own user.

#include <fmt/format.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "cli/cli_command.h"
#include "cli/console_ui.h"
#include "cli/tool_run.h"
#include "engine/season_fixture.h"
#include "entry/season_import.h"
#include "reports/golden_case.h"
#include "season/file_io.h"
#include "season/market_lines.h"

namespace tavrin::cli {
namespace {

namespace fs = std::filesystem;
using testing::GoldenCaseDir;

// The tool's exit status; its standard output goes to `output` when given.
int Cli(const fs::path& folder, const std::string& arguments, std::string* output = nullptr) {
  const testing::ToolRun run = testing::RunTool(folder, arguments, "/dev/null", "2>/dev/null");
  if (output != nullptr) *output = run.output;
  return run.status;
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
  std::string name() const { return GetParam(); }
  // The case's final files, copied so that no command can touch the recorded ones.
  fs::path FinalCopy() {
    final_.CopyFilesFrom(GoldenCaseDir(name()) / "final");
    return final_.path();
  }

 private:
  testing::TempFolder final_;
};

// Catches a fault in scheduling, score entry, rating or the writers. The scorecard's figures were
// counted from the recorded seasons by a separate script: Tavrin's, then the market's.
TEST_P(GoldenReplay, TheSeasonImportsIntoTheRecordedFilesAndScorecard) {
  testing::TempFolder folder;
  const char* season = name() == "2000" ? "2000.csv" : "1999.csv";
  ImportAsRecorded(name(), folder, testing::TestDataDir() / "seasons" / season);
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
  const fs::path finished = FinalCopy();
  const fs::path csv = finished / "season.csv";
  ASSERT_EQ(Cli(finished, "export '" + csv.string() + "'"), 0);
  testing::TempFolder again;
  ImportAsRecorded(name(), again, csv);
  ExpectSameDataFiles(GoldenCaseDir(name()) / "final", again.path());
}

// Every report file once; each week's projections and single games are the analysis test's.
TEST_P(GoldenReplay, EveryReportPrintsAsRecorded) {
  std::vector<std::pair<std::string, std::string>> table{
      {"schedule season", "schedule_season.txt"}, {"projection", "projection_after_week_17.txt"}};
  const auto add = [&table](int from, int to, const char* command, const char* file) {
    for (int n = from; n <= to; ++n)
      table.push_back({fmt::format(fmt::runtime(command), n), fmt::format(fmt::runtime(file), n)});
  };
  add(1, 17, "predictions {}", "predictions_week_{:02}.txt");
  add(1, 17, "schedule week {}", "schedule_week_{:02}.txt");
  add(1, 17, "results {}", "results_week_{:02}.txt");
  add(1, 17, "standings {}", "standings_week_{:02}.txt");
  add(1, LeagueTeamCount, "schedule team {}", "schedule_team_{:02}.txt");
  add(1, LeagueTeamCount, "team-results {}", "team_results_{:02}.txt");
  add(0, 17, "statistics {} --sort rating", "statistics_block_{:02}_sort0_quality_rating.txt");
  add(0, 17, "statistics {} --sort percentage", "statistics_block_{:02}_sort1_percentage.txt");
  add(0, 17, "statistics {} --sort offense", "statistics_block_{:02}_sort2_ave_offense.txt");
  add(0, 17, "statistics {} --sort defense", "statistics_block_{:02}_sort3_ave_defense.txt");
  const fs::path folder = FinalCopy();
  for (const auto& [command, file] : table) {
    std::string output;
    EXPECT_EQ(Cli(folder, command, &output), 0) << command;
    EXPECT_EQ(testing::SplitLines(output), testing::GoldenReport(name(), file)) << command;
  }
}

// Every team's rating series, teams in pairs as the comparison graph loads them.
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

INSTANTIATE_TEST_SUITE_P(Golden, GoldenReplay, ::testing::ValuesIn(testing::GoldenCases),
                         [](const auto& info) { return std::string(info.param); });

class DataCommandTest : public tavrin::testing::SeasonFixture {
 protected:
  int Run(const std::string& name, std::vector<std::string> args, const std::string& input = "") {
    std::istringstream in(input);
    out.str("");
    auto commands = DataCommands();
    for (auto& report : ReportCommands()) commands.push_back(std::move(report));
    for (const auto& command : commands) {
      if (command.name == name) return command.run(session, args, in, out);
    }
    ADD_FAILURE() << "no command " << name;
    return -1;
  }

  // Block 0 carrying predictions and results, ready for week 1's scores; with `scheduled`,
  // weeks 1 and 2 of seven games each too.
  void StartSeason(bool scheduled = false) {
    FillStartBlock(60);
    for (int game = 1; game <= 5; ++game) SetPick(game, 1, 1);
    ASSERT_TRUE(WriteStatsBlock(store, folder.path(), 0));
    for (const char* week : {"1", "2"}) {
      if (scheduled) {
        ASSERT_EQ(Run("set-schedule", {week}, seven_games_), ExitDone);
      }
    }
  }

  std::string LastMessage() const { return ui.messages.empty() ? "" : ui.messages.back().text; }

  std::ostringstream out;
  const std::string seven_games_ = "1 17 1\n2 18 1\n3 19 1\n4 20 2\n5 21 1\n6 22 1\n7 23 7\n";
};

// Catches a schedule saved wrongly, usage mistakes taken as data, a missing input (what a
// schedule may not hold is the entry tests').
TEST_F(DataCommandTest, SetScheduleSavesTheLinesOrSaysWhyNot) {
  const std::string missing = (folder.path() / "missing.txt").string();
  const std::tuple<std::vector<std::string>, std::string, int> cases[] = {
      {{"2"}, "1 17\n", ExitUsage},
      {{"two"}, seven_games_, ExitUsage},
      {{}, seven_games_, ExitUsage},
      {{"2", missing}, "", ExitUsage}};
  for (const auto& [args, input, status] : cases) {
    EXPECT_EQ(Run("set-schedule", args, input), status) << input;
  }
  EXPECT_FALSE(std::filesystem::exists(folder.path() / ScheduleFileName(1999)));
  EXPECT_EQ(Run("set-schedule", {"2", "-"}, seven_games_ + "\n"), ExitDone);
  LoadSchedule(2);
  EXPECT_EQ(store.WeekGameCount, 7);
  EXPECT_EQ(store.GameSecondTeam[7], 23);
  EXPECT_EQ(store.GameDay[7], 7);
}

// Catches a setting written wrongly, a refused value stored, and unknown or incomplete options.
TEST_F(DataCommandTest, SettingsAppliesLikeTheSettingsWindow) {
  store.LastScoredWeek = 4;
  EXPECT_EQ(Run("settings", {"--reactivity", "75", "--font", "Courier New"}), ExitDone);
  EXPECT_EQ(tavrin::testing::ReadFileBytes(folder.path() / SettingsFileName),
            "1999\r\n75\r\n100\r\n\r\n4\r\n\"Courier New\"\r\n17\r\n");
  EXPECT_EQ(Run("settings", {"--year", "1996"}), ExitRefused);
  EXPECT_EQ(Run("settings", {"--weighting", "141"}), ExitUsage);
  EXPECT_EQ(Run("settings", {"--year"}), ExitUsage);
  EXPECT_EQ(store.WorkingYear, 1999);
}

// Catches a refused count taken, a bare number taken; the golden 2000 case answers 17 weeks.
TEST_F(DataCommandTest, NewSeasonAnswersYesAndTheWeeks) {
  store.WorkingYear = 2000;
  // 13 weeks is asked again; nobody answers the second time.
  EXPECT_EQ(Run("new-season", {"--weeks", "13"}), ExitRefused);
  EXPECT_EQ(ui.input_prompts.size(), 1u);  // the second asking reaches the user
  EXPECT_EQ(Run("new-season", {"17"}), ExitUsage);
}

// Well-formed options reach the command (refused here: no week is scored); others are usage.
TEST_F(DataCommandTest, OddsOptions) {
  EXPECT_EQ(Run("odds", {"--seed", "0", "--runs", "1"}), ExitRefused);
  for (const std::vector<std::string>& args : {std::vector<std::string>{"--runs", "0"},
                                               {"--seed", "-1"},
                                               {"--runs", "5", "--runs", "6"},
                                               {"--runs"},
                                               {"--weeks", "3"}})
    EXPECT_EQ(Run("odds", args), ExitUsage) << args.size();
}

// Week 2 unplayed, seven games on lines 2 to 8: slot s is team s at team 16 + s.
std::string UnplayedWeek(const std::string& header) {
  std::string csv = header;
  for (int slot = 1; slot <= 7; ++slot)
    csv += fmt::format("1999,2,{},1,{},{},,\n", slot, slot, 16 + slot);
  return csv;
}

// A typo, a game missing or one too many is refused whole, never read as the number at its start.
TEST_F(DataCommandTest, TyposInScoresAndOptionsAreRefusedNotStoredAsNumbers) {
  EXPECT_EQ(Run("enter-scores", {"1"}, "17 14\n"), ExitRefused);  // no season started
  ASSERT_NO_FATAL_FAILURE(StartSeason(true));
  const auto before = testing::FolderFiles(folder.path());
  EXPECT_EQ(Run("enter-scores", {"1"}, "1 2 3\n"), ExitUsage);
  std::string eight_games(4, '\n');  // blank lines are skipped
  for (int game = 1; game <= 8; ++game) eight_games += "1 0\n";
  EXPECT_EQ(Run("enter-scores", {"1"}, eight_games), ExitRefused);
  for (const char* typo : {"1e2 0", "0x10 0", "3abc 0", "24,5 0", "+3 0", "21.0 0", "10"}) {
    EXPECT_NE(Run("enter-scores", {"1"}, fmt::format("17 14\n{}\n3 0\n3 0\n3 0\n3 0\n0 3\n", typo)),
              ExitDone)
        << typo;
    EXPECT_EQ(testing::FolderFiles(folder.path()), before) << typo;
  }
  for (const auto& [option, value] : {std::pair("--year", "1999abc"),
                                      {"--reactivity", "9e1"},
                                      {"--weighting", " 100x"},
                                      {"--weeks", "0x11"}}) {
    EXPECT_NE(Run("settings", {option, value}), ExitDone) << option << " " << value;
    EXPECT_EQ(testing::FolderFiles(folder.path()), before) << option;
  }
  EXPECT_EQ(Run("enter-scores", {"1"}, "17 14\n 3 0 \n3 0\n3 0\n3 0\n3 0\n0 3\n"), ExitDone);
  ASSERT_TRUE(LoadStatsBlockNumber(store, folder.path(), 1));
  EXPECT_EQ(store.GameWinner[7], 23);
}

// The schedules-only import is the golden replay's (its 2000 case).
TEST_F(DataCommandTest, ImportReadsColumnsByNameWithBomAndCrLfThenScoresAtOnce) {
  StartSeason();
  std::string csv =
      "\xEF\xBB\xBFweek,slot,season,day,visitor,home,home_score,visitor_score,\"extra\"\r\n";
  for (int week : {2, 1}) {
    for (int slot = 7; slot >= 1; --slot) {
      const bool played = week == 1;
      // Quoted fields, one holding a comma and a doubled quote, are read as RFC 4180 has them.
      csv += fmt::format("{},{},\"1999\",1,{},{},{},{}, \"a \"\"b\"\", c\" \r\n", week, slot, slot,
                         16 + slot, played ? "3" : "", played ? "10" : "");
    }
  }
  EXPECT_EQ(Run("import", {"-"}, csv), ExitDone);
  EXPECT_EQ(store.LastScoredWeek, 1);
  ASSERT_TRUE(LoadStatsBlockNumber(store, folder.path(), 1));
  EXPECT_EQ(store.GameWinner[1], 1);  // the visitor's 10 beat the home team's 3
  EXPECT_EQ(store.WinMargin[7], 7);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / MarketLinesFileName(1999)));
}

TEST_F(DataCommandTest, ImportRefusesAHostileFileWholeAndNamesEveryLine) {
  StartSeason();
  const std::string header = "season,week,slot,day,visitor,home,visitor_score,home_score\n";
  const std::string week = UnplayedWeek(header);
  std::string sixteen = week;
  for (int slot = 8; slot <= 16; ++slot)
    sixteen += fmt::format("1999,2,{},1,{},{},,\n", slot, slot, slot + 15);
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", "stdin:1: the file is empty"},
      {header, "stdin:1: the file holds no games"},
      {"season,week,slot,day,visitor,home,visitor_score\n1999,2,1,1,1,17,\n",
       "stdin:1: the header has no home_score column"},
      {week + "1999,2,3,1,8,24,,\n", "stdin:9: slot 3 of week 2 is already on line 4"},
      {week + "1999,2,8,1,25,1,,\n", "stdin:9: team 1 already plays in week 2 on line 2"},
      {sixteen, "stdin:17: week 2 has more than 15 games"},
      {week + "1999,2,8,1,8,24,1e9,3\n", "stdin:9: visitor_score \"1e9\" is not a whole number"},
      {week + "1999,2,8,1,8,24,3,-7\n", "stdin:9: home_score \"-7\" is not a score (0 to 999)"},
      {week + "1999,2,8,1,8,24,3,\n", "stdin:9: home_score is empty but visitor_score is not"},
      {week + "1999,2,8,1,8,24,3,10\n",
       "stdin:2: week 2 has scores for some games but none for this one"},
      {week + "1999,0,8,1,8,24,,\n", "stdin:9: week \"0\" is not a week of the season (1 to 17)"},
      {week + "1999,2,8,1,99,24,,\n", "stdin:9: visitor \"99\" is not a team number (1 to 31)"},
      {week + "1999,2,8,1,8,8,,\n", "stdin:9: team 8 would play itself"},
      {week + "2000,2,8,1,8,24,,\n", "stdin:9: season 2000 is not the season 1999 of line 2"},
      // A spread written with a decimal comma, a home score left out: never read shifted.
      {week + "1999,2,8,1,8,24,3,10,-4,5\n", "stdin:9: 10 fields, the header has 8"},
      {week + "1999,2,8,1,8,24,7\n", "stdin:9: 7 fields, the header has 8"},
      {week + "1999,2,8,1,8,24,\"3,10\n", "stdin:9: field 7 opens a quote it does not close"},
      {week + "1999,2,8,1,8,24,\"3\"0,10\n", "stdin:9: field 7 has text after its closing quote"},
      {week + "1999,2,8,1,8,24,3\"0,10\n", "stdin:9: field 7 has a quote but is not quoted"},
      {week + "1999,2,8,1,8,24,\"3,0\",10\n",
       "stdin:9: visitor_score \"3,0\" is not a whole number"},
      {"season,week,\"slot\n", "stdin:1: field 3 opens a quote it does not close"},
      {"season" + std::string(300, ',') + "\n", "stdin:1: the header has more than 256 columns"},
      {UnplayedWeek(header).substr(0, 80), "stdin:2: week 2 has 1 games; a week needs at least 7"},
      {std::string("\0\xff\x01,\x80\n\x7f\0", 8), "stdin:1: the header has no season column"},
      {header + "2000,2,1,1,1,17,,\n", "stdin:2: season 2000 is not the working year 1999"},
  };
  const auto before = testing::FolderFiles(folder.path());
  for (const auto& [csv, problem] : cases) {
    ui.messages.clear();
    EXPECT_EQ(Run("import", {"-"}, csv), ExitRefused) << problem;
    EXPECT_NE(LastMessage().find("\n\r" + problem), std::string::npos) << LastMessage();
    EXPECT_EQ(testing::FolderFiles(folder.path()), before) << problem;
  }
  EXPECT_EQ(Run("import", {}, ""), ExitUsage);
  EXPECT_EQ(Run("import", {(folder.path() / "missing.csv").string()}), ExitUsage);
}

// The window's import over scored weeks: asked first, No by default, and No changes nothing.
TEST_F(DataCommandTest, AnImportOverScoredWeeksAsksFirstInTheWindow) {
  ASSERT_NO_FATAL_FAILURE(StartSeason(true));
  ASSERT_EQ(Run("enter-scores", {"1"}, "17 14\n3 0\n3 0\n3 0\n3 0\n3 0\n0 3\n"), ExitDone);
  const std::string csv =
      UnplayedWeek("season,week,slot,day,visitor,home,visitor_score,home_score\n");
  const auto before = testing::FolderFiles(folder.path());
  for (const bool yes : {false, true}) {
    ui.questions.clear();
    ui.answers = {yes};
    EXPECT_EQ(ImportSeason(session, "week2.csv", csv, ImportChoice{}), yes);
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].text, "This replaces the 1 scored weeks of 1999. Replace them?");
    EXPECT_EQ(ui.questions[0].default_button, DefaultButton::Second);
    EXPECT_EQ(testing::FolderFiles(folder.path()) == before, !yes);
  }
  EXPECT_EQ(store.LastScoredWeek, 0);
}

// Catches the 51st problem listed, or its count left out.
TEST_F(DataCommandTest, ImportListsAtMostFiftyProblems) {
  std::string csv = "season,week,slot,day,visitor,home,visitor_score,home_score\n";
  for (int row = 0; row < 51; ++row) csv += "1999,x,1,1,1,17,,\n";
  EXPECT_EQ(Run("import", {"-"}, csv), ExitRefused);
  const std::string text = LastMessage();
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 51);
  EXPECT_NE(text.find("stdin: 1 more problems not listed"), std::string::npos) << text;
}

TEST_F(DataCommandTest, AFailureAtAnyWriteOfAnImportChangesNoFile) {
  StartSeason();
  WriteSchedule(1, {{1, 17}, {2, 18}, {3, 19}, {4, 20}, {5, 21}, {6, 22}, {7, 23}});
  ASSERT_TRUE(WriteSettings(store, folder.path()));
  std::string csv = "season,week,slot,day,visitor,home,visitor_score,home_score,spread_line\n";
  for (int game = 0; game < 14; ++game) {
    const int week = game / 7 + 1, slot = game % 7 + 1;
    csv += fmt::format("1999,{},{},1,{},{},{},3.5\n", week, slot, slot, 16 + slot + week,
                       week == 1 ? "3,10" : ",");
  }
  const auto before = testing::FolderFiles(folder.path());
  for (const FileOperation operation :
       {FileOperation::Open, FileOperation::Write, FileOperation::Flush, FileOperation::Rename}) {
    int failures = 0;
    for (int nth = 1;; ++nth) {
      InjectFileFault(operation, nth);
      ui.messages.clear();
      const int status = Run("import", {"-"}, csv);
      ClearFileFaults();
      if (status == ExitDone) break;
      ++failures;
      EXPECT_EQ(status, ExitRefused);
      EXPECT_EQ(testing::FolderFiles(folder.path()), before) << nth;
      EXPECT_EQ(ui.messages.size(), 1u);  // the user is told, once
    }
    // Each of the four files' staged copies (schedule, market lines, statistics, settings) is
    // opened, written and synced before the journal is renamed into place.
    EXPECT_GE(failures, operation == FileOperation::Rename ? 1 : 4);
    EXPECT_NE(testing::FolderFiles(folder.path()), before);
    for (const auto& [name, bytes] : before)
      tavrin::testing::WriteFileBytes(folder.path() / name, bytes);
    std::filesystem::remove(folder.path() / MarketLinesFileName(1999));
    ASSERT_TRUE(ReadSettings(store, folder.path()));
  }
}

// Catches the program's line ends shown as they are, and a default other than No or nothing.
TEST(ConsoleUiTest, MessagesAndUnansweredQuestions) {
  std::ostringstream messages;
  std::ostringstream printed;
  ConsoleUi ui(messages, printed);
  ui.ShowMessage("Cannot Complete Action....\n\rScores must be current thru Week # 2.", "Tavrin",
                 MessageIcon::Exclamation);
  EXPECT_EQ(messages.str(), "Cannot Complete Action....\nScores must be current thru Week # 2.\n");
  EXPECT_FALSE(ui.AskYesNo("Go?", "Tavrin", MessageIcon::Critical, DefaultButton::Second));
  EXPECT_TRUE(ui.AskOkCancel("Go?", "Tavrin", MessageIcon::None, DefaultButton::First));
  EXPECT_EQ(ui.InputBox("Weeks?", "Tavrin", "17"), std::nullopt);
  ui.ReportPrinter().PrintLine("line one");
  EXPECT_EQ(printed.str(), "line one\n");
}

}  // namespace
}  // namespace tavrin::cli
