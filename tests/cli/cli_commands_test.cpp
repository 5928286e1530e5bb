#include <fmt/format.h>
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_command.h"
#include "cli/console_ui.h"
#include "cli/season_csv.h"
#include "engine/season_fixture.h"

namespace tavrin::cli {
namespace {

using tavrin::testing::Pairing;

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

  // Block 0 carrying predictions and results, ready for week 1's scores.
  void StartSeason() {
    FillStartBlock(60);
    for (int game = 1; game <= 5; ++game) SetPick(game, 1, 1);
    ASSERT_TRUE(WriteStatsBlock(store, folder.path(), 0));
  }

  std::string LastMessage() const { return ui.messages.empty() ? "" : ui.messages.back().text; }

  std::ostringstream out;
  const std::string seven_games_ = "1 17 1\n2 18 1\n3 19 1\n4 20 2\n5 21 1\n6 22 1\n7 23 7\n";
};

TEST_F(DataCommandTest, SetScheduleSavesTheLinesAsTheWeek) {
  EXPECT_EQ(Run("set-schedule", {"2", "-"}, seven_games_ + "\n"), ExitDone);
  EXPECT_EQ(LastMessage(), "Schedule for Week 2 has been saved.");
  LoadSchedule(2);
  EXPECT_EQ(store.WeekGameCount, 7);
  EXPECT_EQ(store.GameSecondTeam[7], 23);
  EXPECT_EQ(store.GameDay[7], 7);
}

TEST_F(DataCommandTest, SetScheduleRefusalsAndUsage) {
  EXPECT_EQ(Run("set-schedule", {"2"}, "1 17 1\n"), ExitRefused);
  EXPECT_EQ(LastMessage(), "Insufficient information to save file.");
  EXPECT_EQ(Run("set-schedule", {"18"}, seven_games_), ExitRefused);
  EXPECT_EQ(LastMessage(), "Please enter the week Number.");
  EXPECT_EQ(Run("set-schedule", {"2"}, "1 17\n"), ExitUsage);
  EXPECT_EQ(Run("set-schedule", {"two"}, seven_games_), ExitUsage);
  EXPECT_EQ(Run("set-schedule", {}, seven_games_), ExitUsage);
  EXPECT_EQ(Run("set-schedule", {"2", (folder.path() / "missing.txt").string()}), ExitUsage);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / ScheduleFileName(1999)));
}

TEST_F(DataCommandTest, EnterScoresRunsTheChecksThenProcessesTheWeek) {
  EXPECT_EQ(Run("enter-scores", {"1"}, "17 14\n"), ExitRefused);
  EXPECT_EQ(LastMessage(), "Cannot Complete Action....\n\rScores must be current thru Week # 0.");
  StartSeason();
  ASSERT_EQ(Run("set-schedule", {"1"}, seven_games_), ExitDone);
  EXPECT_EQ(Run("enter-scores", {"1"}, "17 14\n"), ExitRefused);
  EXPECT_EQ(LastMessage(), "Error! Make sure Schedules for Week # 1\n\rand Week # 2 are available.");
  ASSERT_EQ(Run("set-schedule", {"2"}, seven_games_), ExitDone);
  EXPECT_EQ(Run("enter-scores", {"1"}, "17 14\n10\n"), ExitRefused);
  EXPECT_EQ(LastMessage(), "All Scores Must be Entered Before Processing.");
  EXPECT_EQ(Run("enter-scores", {"1"}, "1 2 3\n"), ExitUsage);
  std::string eight_games(4, '\n');  // blank lines are skipped
  for (int game = 1; game <= 8; ++game) eight_games += "1 0\n";
  EXPECT_EQ(Run("enter-scores", {"1"}, eight_games), ExitRefused);
  EXPECT_EQ(Run("enter-scores", {"1"}, "17 14\n3 0\n3 0\n3 0\n3 0\n3 0\n0 3\n"), ExitDone);
  SeasonStore settings;
  ASSERT_TRUE(ReadSettings(settings, folder.path()));
  EXPECT_EQ(settings.LastScoredWeek, 1);
  SeasonStore block = store;
  ASSERT_TRUE(LoadStatsBlockNumber(block, folder.path(), 1));
  EXPECT_EQ(block.GameWinner[7], 23);
}

TEST_F(DataCommandTest, SettingsPrintsAndAppliesLikeTheSettingsWindow) {
  store.LastScoredWeek = 4;
  EXPECT_EQ(Run("settings", {}), ExitDone);
  EXPECT_EQ(out.str(),
            "Working Year: 1999\nOverall Reactivity: 100%\nOff / Def Weighting: 100%\n"
            "Last Scored Week: 4\nWeeks in Season: 17\nReport Font: \n");
  EXPECT_EQ(Run("settings", {"--reactivity", "75", "--font", "Courier New"}), ExitDone);
  EXPECT_EQ(tavrin::testing::ReadFileBytes(folder.path() / SettingsFileName),
            "1999\r\n75\r\n100\r\n\r\n4\r\n\"Courier New\"\r\n17\r\n");
  EXPECT_EQ(Run("settings", {"--year", "1996"}), ExitRefused);
  EXPECT_EQ(ui.beeps, 1);
  EXPECT_EQ(Run("settings", {"--weighting", "141"}), ExitUsage);
  EXPECT_EQ(Run("settings", {"--colour", "red"}), ExitUsage);
  EXPECT_EQ(Run("settings", {"--year"}), ExitUsage);
  EXPECT_EQ(store.WorkingYear, 1999);
}

TEST_F(DataCommandTest, NewSeasonAnswersYesAndTheWeeks) {
  store.WorkingYear = 2000;
  // 13 weeks is asked again; nobody answers the second time.
  EXPECT_EQ(Run("new-season", {"--weeks", "13"}), ExitRefused);
  EXPECT_EQ(ui.beeps, 1);
  EXPECT_EQ(ui.input_prompts.size(), 1u);  // the second asking reaches the user
  EXPECT_EQ(Run("new-season", {"--weeks", "17"}), ExitRefused);
  EXPECT_EQ(LastMessage(), "Cannot Complete Action....\n\rScores must be current thru Week # 17.");
  EXPECT_TRUE(ui.questions.empty());  // answered by the command, not the user
  EXPECT_EQ(Run("new-season", {"17"}), ExitUsage);
}

// Well-formed options reach the command (refused here: no week is scored); others are usage.
TEST_F(DataCommandTest, OddsOptions) {
  const std::vector<std::pair<std::vector<std::string>, int>> cases{
      {{}, ExitRefused},
      {{"--seed", "0", "--runs", "1"}, ExitRefused},
      {{"--runs", "0"}, ExitUsage},
      {{"--runs", "-5"}, ExitUsage},
      {{"--runs", "1e4"}, ExitUsage},
      {{"--seed", "-1"}, ExitUsage},
      {{"--runs", "5", "--runs", "6"}, ExitUsage},
      {{"--runs"}, ExitUsage},
      {{"--weeks", "3"}, ExitUsage},
  };
  for (const auto& [args, status] : cases) EXPECT_EQ(Run("odds", args), status) << args.size();
  EXPECT_EQ(LastMessage(), "Cannot Complete Action....\n\rScores must be current thru Week # 0.");
}

TEST_F(DataCommandTest, ImportSavesEveryScheduleThenEntersScoresAndStopsAtARefusal) {
  StartSeason();
  std::string csv = "week,slot,season,day,visitor,home,home_score,visitor_score,extra\n";
  for (int week : {2, 1}) {
    for (int slot = 7; slot >= 1; --slot) {
      const bool played = week == 1;
      csv += fmt::format("{},{},1999,1,{},{},{},{},x\n", week, slot, slot, 16 + slot,
                         played ? "3" : "", played ? "10" : "");
    }
  }
  EXPECT_EQ(Run("import", {"--schedules-only", "-"}, csv), ExitDone);
  EXPECT_EQ(StatsFileBytes().size(), 31u * StatsRecordSize);  // block 0 only
  EXPECT_EQ(store.LastScoredWeek, 0);
  EXPECT_EQ(Run("import", {"-"}, csv), ExitDone);
  EXPECT_EQ(store.LastScoredWeek, 1);
  EXPECT_EQ(store.GameWinner[1], 1);  // the visitor's 10 beat the home team's 3

  // Week 3 of 6 games is refused, and week 3's scores are never entered.
  std::string short_week = "season,week,slot,day,visitor,home,visitor_score,home_score\n";
  for (int slot = 1; slot <= 6; ++slot) {
    short_week += fmt::format("1999,3,{},1,{},{},1,0\n", slot, slot, 16 + slot);
  }
  EXPECT_EQ(Run("import", {"-"}, short_week), ExitRefused);
  EXPECT_EQ(LastMessage(), "Insufficient information to save file.");
  EXPECT_EQ(store.LastScoredWeek, 1);
}

TEST_F(DataCommandTest, ImportRefusesAnotherSeasonAndMalformedFiles) {
  const std::string header = "season,week,slot,day,visitor,home,visitor_score,home_score\n";
  EXPECT_EQ(Run("import", {"-"}, header + "2000,1,1,1,1,17,,\n"), ExitRefused);
  EXPECT_EQ(Run("import", {"-"}, "season,week,slot\n1999,1,1\n"), ExitUsage);
  EXPECT_EQ(Run("import", {"-"}, header + "1999,1,1,1,one,17,,\n"), ExitUsage);
  EXPECT_EQ(Run("import", {"-"}, header + "1999,1,1,1,1,17,,\n1999,1,1,1,2,18,,\n"), ExitUsage);
  EXPECT_EQ(Run("import", {"-"}, header + "1999,1,1,1,1,17,,\n2000,1,2,1,2,18,,\n"), ExitUsage);
  EXPECT_EQ(Run("import", {}, ""), ExitUsage);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / ScheduleFileName(1999)));
}

TEST(ConsoleUiTest, MessagesAndUnansweredQuestions) {
  std::ostringstream messages;
  std::ostringstream printed;
  ConsoleUi ui(messages, printed);
  ui.ShowMessage("Cannot Complete Action....\n\rScores must be current thru Week # 2.", "Tavrin",
                 MessageIcon::Exclamation);
  EXPECT_EQ(messages.str(), "Cannot Complete Action....\nScores must be current thru Week # 2.\n");
  messages.str("");
  EXPECT_FALSE(ui.AskYesNo("Go?", "Tavrin", MessageIcon::Critical, DefaultButton::Second));
  EXPECT_TRUE(ui.AskOkCancel("Go?", "Tavrin", MessageIcon::None, DefaultButton::First));
  EXPECT_EQ(ui.InputBox("Weeks?", "Tavrin", "17"), std::nullopt);
  EXPECT_EQ(messages.str(),
            "Go?\n(no answer given: taking the default, no)\nGo?\n(no answer given: taking the "
            "default, yes)\nWeeks?\n(no answer given: cancelled)\n");
  ui.ReportPrinter().PrintLine("line one");
  EXPECT_EQ(printed.str(), "line one\n");
}

TEST(ConsoleUiTest, ScriptedAnswersComeFirstThenTheWrappedInterface) {
  tavrin::testing::ScriptedUi inner;
  inner.answers = {false};
  ScriptedAnswers answers(inner);
  answers.answers = {true};
  answers.inputs = {"14"};
  EXPECT_TRUE(answers.AskYesNo("a", "Tavrin", MessageIcon::None, DefaultButton::Second));
  EXPECT_FALSE(answers.AskYesNo("b", "Tavrin", MessageIcon::None, DefaultButton::Second));
  EXPECT_EQ(answers.InputBox("c", "Tavrin", "17"), "14");
  EXPECT_EQ(answers.InputBox("d", "Tavrin", "17"), std::nullopt);
  answers.ShowMessage("e", "Tavrin", MessageIcon::None);
  ASSERT_EQ(inner.questions.size(), 1u);
  EXPECT_EQ(inner.questions[0].text, "b");
  EXPECT_EQ(inner.input_prompts, std::vector<std::string>{"d"});
  EXPECT_EQ(inner.messages.size(), 1u);
}

}  // namespace
}  // namespace tavrin::cli
