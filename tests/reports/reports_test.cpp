// The reports' edge values, damaged numbers, print layouts and refusals, beyond the golden replay.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "analysis/standings.h"
#include "engine/season_fixture.h"
#include "presentation/report_printing.h"
#include "presentation/team_choice.h"
#include "reports/golden_case.h"
#include "reports/schedule_views.h"
#include "reports/scorecard_report.h"
#include "reports/statistics_view.h"
#include "reports/team_results.h"
#include "reports/weekly_predictions.h"
#include "reports/weekly_results.h"
#include "reports/win_probabilities.h"

namespace tavrin {
namespace {

void SetGame(SeasonStore& store, int game, int visitor, int home, int day) {
  store.WeekGameCount = static_cast<int16_t>(std::max<int>(store.WeekGameCount, game));
  store.GameFirstTeam[game] = static_cast<int16_t>(visitor);
  store.GameSecondTeam[game] = static_cast<int16_t>(home);
  store.GameDay[game] = static_cast<int16_t>(day);
}

// Catches day 0 read as a day, short totals unpadded, damaged numbers, long names, overruns.
TEST(WeeklyPredictionLines, DayZeroDamagedNumbersAndLongNames) {
  SeasonStore store = testing::LeagueStore(1999);
  SetGame(store, 1, 40, -3, 9);
  store.PickTeam[1] = 99, store.PickMargin[1] = 3;
  store.LocationName[7] = std::string(20, 'v');
  store.LocationName[8] = std::string(20, 'h');
  SetGame(store, 2, 7, 8, 1);
  SetGame(store, 3, 3, 4, 0);
  store.AveOffense[3] = store.AveOffense[4] = 4, store.AveDefense[3] = store.AveDefense[4] = 5;
  store.WeekGameCount = 300;
  const auto lines = WeeklyPredictionLines(store, 3);
  ASSERT_EQ(lines.size(), 4u + MaxScheduleSlot + 1);
  EXPECT_EQ(lines[4], " at                                by 3                  00");
  EXPECT_EQ(lines[5], std::string(20, 'v') + " at " + std::string(20, 'h') + "Sun   a Pick 40");
  EXPECT_EQ(lines[6], "Loc3 at Loc4                      a Pick                 09");
  EXPECT_EQ(ScheduleGameText(store, 3), "Loc3 at Loc4                    on   ");
}

// Catches rounding, a missing leading zero and a division by zero in the summary.
TEST(ResultsSummaryLine, CountsAndPercentages) {
  const std::tuple<int, int, const char*> cases[] = {{12, 12, " 12 right out of 12 for 100.0%"},
                                                     {1, 20, " 1 right out of 20 for 05.0%"},
                                                     {0, 0, " 0 right out of 0 for 00.0%"}};
  for (const auto& [right, picked, line] : cases)
    EXPECT_EQ(ResultsSummaryLine(right, picked), line);
}

// Catches a tie counted, and damaged team numbers used as indexes (games without a favourite
// are in the golden replay).
TEST(WeeklyResultLines, TiesAndDamagedNumbers) {
  SeasonStore store = testing::LeagueStore(1999);
  SetGame(store, 1, 5, 6, 1);
  store.SavedPickTeam[1] = 5, store.SavedPickMargin[1] = 2;
  store.FirstScore[1] = 17, store.SecondScore[1] = 17;
  SetGame(store, 2, 1, 99, 12);
  store.SavedPickTeam[2] = -5, store.SavedPickMargin[2] = 2;
  store.GameWinner[2] = 77, store.WinMargin[2] = 3, store.FirstScore[2] = 13;
  store.SecondScore[2] = 10;
  const auto lines = WeeklyResultLines(store, 9);
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[4],
            "Loc5 at Loc6                   Sun   Nick5 by 2          Tied            17 - 17 ");
  EXPECT_EQ(lines[5], "Loc1 at                           " +
                          std::string(23, ' ').replace(0, 5, " by 2") + " _3" +
                          std::string(11, ' ') + "  13 - 10 ");
  EXPECT_EQ(lines.back(), " 0 right out of 2 for 00.0%");
}

// Catches a long name pushing the columns and 100.0 losing a digit.
TEST(StatisticsLines, LongNameAndARatingOfOneHundred) {
  SeasonStore store = testing::LeagueStore(1999);
  store.Cqr[30] = 100.0f, store.Wins[30] = 1, store.PointsScored[30] = 7;
  store.PointsAllowed[30] = 56;
  store.LocationName[30] = "Seventeen Letters";
  EXPECT_EQ(StatisticsLines(store, 5, StatisticsOrder::QualityRating)[5],
            " Seventeen Letters 1     0    0   1.000     7      56     20.0  20.0  100.0");
}

// Catches the first of equal names taken, a match without case, a team left out of the list.
TEST(TeamChoice, ListsNamesAndTakesTheLastOfEqualNames) {
  SeasonStore store = testing::LeagueStore(1999);
  store.TeamName[20] = "Nick3";
  EXPECT_EQ(TeamChoices(store).size(), 31u);
  EXPECT_EQ(FindTeamByName(store, "Nick3"), 20);
  EXPECT_EQ(FindTeamByName(store, "Nick31"), 31);
  EXPECT_EQ(FindTeamByName(store, "nick1"), 0);
}

using Lines = std::vector<std::string>;

class PrintCommand : public testing::SeasonFixture {
 protected:
  PrintCommand() { store.ReportFont = "Courier New"; }
  Lines& events() { return ui.printer.events; }
  // The events after PrepareReportPrinter's font choice and starting line.
  Lines AfterPreparation() {
    EXPECT_GE(events().size(), 2u);
    EXPECT_EQ(events()[0], "font:Times New Roman");
    EXPECT_EQ(events()[1], "line: ");
    return {events().begin() + 2, events().end()};
  }
};

// Catches the current or the report font chosen as the preparation font.
TEST_F(PrintCommand, PrepareReportPrinterSkipsCurrentAndReportFonts) {
  const std::tuple<Lines, std::string, std::string, Lines> cases[] = {
      // fonts, current, report
      {{"Arial", "Courier New", "Gothic"}, "Arial", "Courier New", {"font:Gothic", "line: "}},
      {{"Courier New"}, "Courier New", "Courier New", {"line: "}},
      {{"Courier New", "Arial"}, "Courier New", "", {"font:Arial", "line: "}}};
  for (const auto& [fonts, current, report, expected] : cases) {
    testing::RecordingPrinter printer;
    printer.fonts = fonts;
    printer.current_font = current;
    PrepareReportPrinter(printer, report);
    EXPECT_EQ(printer.events, expected) << report;
  }
}

// Catches a report printed unasked, after Cancel, or with its sizes or blank lines wrong.
TEST_F(PrintCommand, EachReportAsksThenPrintsItsLayout) {
  const std::string rule(76, '_');
  const Lines results_body{"line: ", "line: ", "line: ", "line: ", "line:title   "};
  auto with_body = [&](Lines head, Lines tail) {
    head.insert(head.end(), results_body.begin(), results_body.end());
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
  };
  const std::tuple<const char*, std::function<void(const Lines&)>, Lines> cases[] = {
      {"Ready to send Predictions to the Printer.",
       [&](const Lines& l) { PrintWeeklyPredictions(session, l); },
       {"font:Courier New", "size:14", "line: ", "line: ", "line:   title", "line:   a",
        "line:   b", "end"}},
      {"Ready to send Standings to the Printer.",
       [&](const Lines& l) { PrintStandings(session, l); },
       {"font:Courier New", "size:11", "line: ", "line: ", "line:        title",
        "line: ", "line:        a", "line:        b", "end"}},
      {"Ready to send Statistics to the Printer.",
       [&](const Lines& l) { PrintStatistics(session, l); },
       {"font:Courier New", "size:12", "line: ", "line: ", "line: ", "line: ", "line: title",
        "line: a", "line: b", "line: ", "line: " + rule, "end"}},
      {"Ready to send Results to the Printer.",
       [&](const Lines& l) { PrintResults(session, l, ResultsFontOrder::SizeThenName); },
       with_body({"size:12", "font:Courier New"}, {"size:10", "font:Courier New", "line:a     ",
                                                   "line: ", "line:b     ", "line: ", "end"})},
      {"Ready to send Results to the Printer.",
       [&](const Lines& l) { PrintResults(session, l, ResultsFontOrder::NameThenSize); },
       with_body({"font:Courier New", "size:12"},
                 {"size:10", "line:a     ", "line: ", "line:b     ", "line: ", "end"})},
  };
  for (const auto& [question, print, printed] : cases) {
    SCOPED_TRACE(question);
    ui = {};
    print({});  // nothing to print: nothing asked
    ui.answers = {false};
    print({"title", "a", "b"});
    EXPECT_TRUE(events().empty());
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].text, question);
    print({"title", "a", "b"});
    EXPECT_EQ(AfterPreparation(), printed);
  }
}

Lines ScheduleListing(int weeks) {
  Lines lines;
  for (int week = 1; week <= weeks; ++week)
    lines.insert(lines.end(), {"Week", "====", "game", "====", " ", " "});
  return lines;
}

int Count(const Lines& events, const std::string& event) {
  return static_cast<int>(std::count(events.begin(), events.end(), event));
}

// Catches a short schedule not lowered on its page, or given blank lines after its rules.
TEST_F(PrintCommand, ShortScheduleIsLoweredOnOnePage) {
  Lines lines(25, "game");
  lines[1] = lines[24] = "=====";
  PrintSchedule(session, lines);
  const auto printed = AfterPreparation();
  EXPECT_EQ(Lines(printed.begin(), printed.begin() + 7),
            (Lines{"font:Courier New", "size:15",
                   "line: ", "line: ", "line: ", "line: ", "line:       game"}));
  EXPECT_EQ(Count(printed, "page"), 0);
  EXPECT_EQ(Count(printed, "line: "), 4);
  EXPECT_EQ(printed.back(), "end");
}

// Catches a break misplaced, a page not prepared again, and a break before a lone last line.
TEST_F(PrintCommand, LongScheduleTwoWeeksAPage) {
  PrintSchedule(session, ScheduleListing(5));  // 30 lines, 10 "=" lines
  const auto printed = AfterPreparation();
  EXPECT_EQ(printed[3], "line:       Week");
  EXPECT_EQ(Count(printed, "page"), 2);
  EXPECT_EQ(Count(printed, "font:Arial"), 2);
  const auto page = std::find(printed.begin(), printed.end(), "page");
  ASSERT_NE(page, printed.end());
  EXPECT_EQ(
      Lines(page - 4, page + 6),
      (Lines{"line:       Week", "line:       ====", "line:       game", "line:       ====", "page",
             "font:Arial", "line: ", "font:Courier New", "size:15", "line:        "}));

  auto lines = ScheduleListing(2);
  lines.insert(lines.begin(), {"x", "y"});
  lines.pop_back();  // the fourth "=" line is now followed by a single line
  Lines long_lines(20, "filler");
  long_lines.insert(long_lines.end(), lines.begin(), lines.end());
  events().clear();
  PrintSchedule(session, long_lines);
  EXPECT_EQ(Count(events(), "page"), 0);
  long_lines.push_back(" ");
  events().clear();
  PrintSchedule(session, long_lines);
  EXPECT_EQ(Count(events(), "page"), 1);
}

std::string NotCurrent(int week) {
  return "Cannot Complete Action....\n\rScores must be current thru Week # " +
         std::to_string(week) + ".";
}

class Refusals : public testing::SeasonFixture {
 protected:
  Refusals() {
    store = testing::LeagueStore(2001);
    store.WeeksInSeason = store.LastScoredWeek = 3;
  }

  // A block with predictions in slot 1, and scores in slot 1 when `scored`.
  void WriteBlock(int block, bool scored) {
    store.ClearStatistics();
    store.PickTeam[1] = 2, store.PickMargin[1] = 3;
    if (scored) store.FirstScore[1] = 10, store.SecondScore[1] = 13, store.GameWinner[1] = 2;
    ASSERT_TRUE(WriteStatsBlock(store, folder.path(), block));
  }
  // The view did not open and the user was told why, once.
  void ExpectRefused(bool shown, const std::string& message) {
    EXPECT_FALSE(shown);
    EXPECT_EQ(ui.OnlyMessage(), message);
    ui.messages.clear();
  }
};

// Predictions need their week's schedule, then the predictions; a schedule its week's games.
TEST_F(Refusals, PredictionsAndTheWeeklyScheduleOfAMissingOrDamagedWeek) {
  ExpectRefused(ShowWeeklyPredictions(session, 2).has_value(),
                "Unable to Load the Schedule for Week 2.");
  WriteSchedule(2, {{1, 2}});
  ExpectRefused(
      ShowWeeklyPredictions(session, 2).has_value(),
      "Unable to Load the Statistics for Week 2.\n\rScores must be current thru week # 1.");
  WriteBlock(1, false);
  EXPECT_TRUE(ShowWeeklyPredictions(session, 2).has_value());
  ExpectRefused(ShowWeeklySchedule(session, 1).has_value(),
                "Unable to Load the Schedule for Week 1.");
  WriteSchedule(1, {{1, 2}});
  const auto file = folder.path() / ScheduleFileName(2001);
  std::string bytes = testing::ReadFileBytes(file);
  bytes[6] = 'x';  // the first team of game 1
  testing::WriteFileBytes(file, bytes);
  ExpectRefused(ShowWeeklySchedule(session, 1).has_value(),
                "TVSC2001.dat is damaged at week 1: its games for that week cannot be read.\n\r"
                "Save the schedule of week 1 again in schedule entry.");
}

// Catches results shown without their week's, the week before's scores or a schedule.
TEST_F(Refusals, ResultsAndStatisticsNameTheWeekWithoutScores) {
  WriteBlock(0, false);
  ExpectRefused(ShowStatistics(session, 0).has_value(), NotCurrent(0));
  WriteBlock(0, true);
  WriteBlock(1, true);
  ExpectRefused(ShowWeeklyResults(session, 1).has_value(),
                "Unable to Load the Schedule for Week 1.");
  WriteSchedule(2, {{1, 2}});
  WriteBlock(1, false);
  WriteBlock(2, true);  // results of week 2, none of week 1
  ExpectRefused(ShowWeeklyResults(session, 2).has_value(), NotCurrent(1));
  WriteBlock(1, true);
  WriteBlock(2, false);
  ExpectRefused(ShowWeeklyResults(session, 2).has_value(), NotCurrent(2));
  WriteBlock(2, true);
  EXPECT_TRUE(ShowWeeklyResults(session, 2).has_value());
  EXPECT_TRUE(ui.messages.empty());
}

// After an earlier week was processed again, the later blocks still hold their old figures.
TEST_F(Refusals, WeeksLeftBehindMustBeEnteredAgain) {
  for (int week = 1; week <= 3; ++week) WriteSchedule(week, {{1, 2}});
  for (int block = 0; block <= 3; ++block) WriteBlock(block, true);
  store.LastScoredWeek = 1;
  const std::string again =
      "Cannot Complete Action....\n\rThe scores of Week # 2 must be entered "
      "again:\n\ran earlier week was processed after them.";
  EXPECT_TRUE(ShowWeeklyResults(session, 1).has_value());
  EXPECT_TRUE(ShowStatistics(session, 1).has_value());
  EXPECT_TRUE(ShowWeeklyPredictions(session, 2).has_value());  // from block 1
  ExpectRefused(ShowWeeklyResults(session, 2).has_value(), again);
  ExpectRefused(ShowStatistics(session, 2).has_value(), again);
  ExpectRefused(ShowWeeklyPredictions(session, 3).has_value(), again);
  const auto results = ShowTeamResults(session, "Nick2");
  ASSERT_TRUE(results.has_value());
  EXPECT_EQ(Count(*results, " 2 The scores of this week must be entered again."), 1);
}

// A block that cannot be read is named with its file, not taken for scores not yet entered.
TEST_F(Refusals, ADamagedBlockIsNamedWithItsFile) {
  WriteSchedule(2, {{1, 2}});
  WriteBlock(0, true);
  WriteBlock(1, true);
  store.PickTeam[1] = 40;  // no team: a damaged record
  ASSERT_TRUE(WriteStatsBlock(store, folder.path(), 1));
  const std::string damaged =
      "TVSt2001.dat is damaged at week 1: its figures for that week cannot be read.\n\rEnter "
      "the scores of week 1 again to write them anew.";
  ExpectRefused(ShowStatistics(session, 1).has_value(), damaged);
  ExpectRefused(ShowWeeklyPredictions(session, 2).has_value(), damaged);
  EXPECT_TRUE(ShowStatistics(session, 0).has_value());  // the weeks before it still show
  // A file that ends inside a block is damaged there too.
  WriteBlock(1, true);
  std::filesystem::resize_file(folder.path() / StatisticsFileName(2001), 31 * StatsRecordSize + 20);
  ExpectRefused(ShowStatistics(session, 1).has_value(), damaged);
}

// Weeks without stored results or schedules add no line; a team without any result says so.
TEST_F(Refusals, TeamViewsSkipWhatIsMissing) {
  EXPECT_FALSE(ShowTeamSchedule(session, SelectTeamPrompt).has_value());  // the prompt is no team
  EXPECT_FALSE(ShowTeamResults(session, "nobody").has_value());

  WriteSchedule(2, {{1, 2}});
  WriteSchedule(3, {{3, 4}});
  auto schedule = ShowTeamSchedule(session, "Nick2");
  ASSERT_TRUE(schedule.has_value());
  EXPECT_EQ((std::vector<std::string>(schedule->begin() + 1, schedule->end())),
            (std::vector<std::string>{std::string(49, '='), "1  n/a",
                                      "2  Loc1 at Loc2" + std::string(20, ' ') + "on   Sunday",
                                      "3  off", std::string(49, '=')}));

  auto results = ShowTeamResults(session, "Nick2");
  ASSERT_TRUE(results.has_value());
  EXPECT_EQ((std::vector<std::string>(results->begin() + 4, results->end())),
            (std::vector<std::string>{" ", " No Scores have been recorded for 2001", " ",
                                      " 0 Wins, 0 Losses, 0 Ties"}));
  EXPECT_TRUE(ui.messages.empty());
}

TEST(ScorecardReport, RefusesWeeksNotScoredAndLeavesOutDamagedLines) {
  testing::OpenedCase start("1999");
  start.folder.CopyFilesFrom(testing::GoldenCaseDir("1999") / "start");
  ASSERT_TRUE(ReadSettings(start.store, start.folder.path()));
  for (int through : {0, 3}) {
    start.ui.messages.clear();
    EXPECT_FALSE(ShowSeasonScorecard(start.session, through));
    EXPECT_EQ(start.ui.OnlyMessage(), NotCurrent(1));
  }

  testing::OpenedCase final("1999");
  testing::WriteFileBytes(final.folder.path() / "TVML1999.csv", "week,visitor\n1,2\n");
  const auto card = ShowSeasonScorecard(final.session, 2);
  ASSERT_TRUE(card);
  EXPECT_FALSE(card->market_known);
  EXPECT_EQ(card->weeks.size(), 2u);
  EXPECT_EQ(final.ui.OnlyMessage(),
            "The betting lines in TVML1999.csv cannot be read.\n\rThe scorecard leaves the market "
            "out.");
}

TEST(WinProbabilities, FavouritesChanceFromTheStoredMargin) {
  testing::OpenedCase opened("1999");
  const auto lines = ShowWinProbabilities(opened.session, 5);
  ASSERT_TRUE(lines);
  // Phi(0.5 / 14.5) and Phi(5.5 / 14.5), from a normal table.
  EXPECT_EQ(lines->at(4), "NY Giants at Arizona           Giants by 0.5             51.4%");
  EXPECT_EQ(lines->at(5), "Pittsburgh at Buffalo          Bills by 5.5              64.8%");
  EXPECT_FALSE(ShowWinProbabilities(opened.session, 18));
}

}  // namespace
}  // namespace tavrin
