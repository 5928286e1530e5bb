// Report lines built from hand-filled stores: the edge values and damaged numbers the recorded
// seasons never hold (their ordinary lines are the golden replay's). And the print commands as
// the printer receives them: question, preparation, fonts, margins, blank lines, page breaks and
// the end of the job.

#include <gtest/gtest.h>

#include <functional>

#include "analysis/standings.h"
#include "engine/season_fixture.h"
#include "presentation/report_printing.h"
#include "presentation/team_choice.h"
#include "reports/golden_case.h"
#include "reports/schedule_views.h"
#include "reports/statistics_view.h"
#include "reports/weekly_predictions.h"
#include "reports/weekly_results.h"

namespace tavrin {
namespace {

void SetGame(SeasonStore& store, int game, int visitor, int home, int day) {
  store.WeekGameCount = static_cast<int16_t>(std::max<int>(store.WeekGameCount, game));
  store.GameFirstTeam[game] = static_cast<int16_t>(visitor);
  store.GameSecondTeam[game] = static_cast<int16_t>(home);
  store.GameDay[game] = static_cast<int16_t>(day);
}

// Catches day code 0 read as a day, a one-digit total unpadded, a damaged team number used as
// an index, long names cut, and a game count past the slots read beyond them.
TEST(WeeklyPredictionLines, DayZeroDamagedNumbersAndLongNames) {
  SeasonStore store = testing::LeagueStore(1999);
  SetGame(store, 1, 40, -3, 9);
  store.PickTeam[1] = 99, store.PickMargin[1] = 3;
  store.LocationName[7] = std::string(20, 'v');
  store.LocationName[8] = std::string(20, 'h');
  SetGame(store, 2, 7, 8, 1);
  SetGame(store, 3, 3, 4, 0);
  store.AveOffense[3] = 4, store.AveDefense[3] = 5, store.AveOffense[4] = 4,
  store.AveDefense[4] = 5;
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

// Catches a tie with a favourite counted right, a game without favourite counted, and damaged
// team numbers used as indexes.
TEST(WeeklyResultLines, TiesGamesWithoutPickAndDamagedNumbers) {
  SeasonStore store = testing::LeagueStore(1999);
  SetGame(store, 1, 5, 6, 1);
  store.SavedPickTeam[1] = 5, store.SavedPickMargin[1] = 2;
  store.FirstScore[1] = 17, store.SecondScore[1] = 17;
  SetGame(store, 2, 7, 8, 1);
  store.GameWinner[2] = 7, store.WinMargin[2] = 10, store.FirstScore[2] = 20,
  store.SecondScore[2] = 10;
  SetGame(store, 3, 1, 99, 12);
  store.SavedPickTeam[3] = -5, store.SavedPickMargin[3] = 2;
  store.GameWinner[3] = 77, store.WinMargin[3] = 3, store.FirstScore[3] = 13,
  store.SecondScore[3] = 10;
  const auto lines = WeeklyResultLines(store, 9);
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[4],
            "Loc5 at Loc6                   Sun   Nick5 by 2          Tied            17 - 17 ");
  EXPECT_EQ(lines[5],
            "Loc7 at Loc8                   Sun   a Pick              Nick7 _10       20 - 10 ");
  EXPECT_EQ(lines[6], "Loc1 at                           " +
                          std::string(23, ' ').replace(0, 5, " by 2") + " _3" +
                          std::string(11, ' ') + "  13 - 10 ");
  EXPECT_EQ(lines.back(), " 0 right out of 2 for 00.0%");
}

std::vector<std::string> TeamsOf(const std::vector<std::string>& lines) {
  std::vector<std::string> teams;
  for (std::size_t line = 5; line < lines.size(); ++line) {
    teams.push_back(lines[line].substr(1, lines[line].find(' ', 1) - 1));
  }
  return teams;
}

// Catches a long name pushing the columns and 100.0 losing a digit.
TEST(StatisticsLines, LongNameAndARatingOfOneHundred) {
  SeasonStore store = testing::LeagueStore(1999);
  store.Cqr[30] = 100.0f, store.Wins[30] = 1, store.PointsScored[30] = 7,
  store.PointsAllowed[30] = 56;
  store.LocationName[30] = "Seventeen Letters";
  EXPECT_EQ(StatisticsLines(store, 5, StatisticsOrder::QualityRating)[5],
            " Seventeen Letters 1     0    0   0.000     7      56     20.0  20.0  100.0");
}

// Catches ties broken the wrong way in each order (keys past 1024 are the sort's own test).
TEST(StatisticsLines, OrdersTiesAndRatingsAboveOneHundred) {
  SeasonStore store = testing::LeagueStore(1999);
  store.Cqr[7] = store.Cqr[9] = 90;
  store.AveOffense[4] = 21.2f, store.AveOffense[5] = 21.3f;  // both key 212
  store.AveDefense[11] = 1, store.AveDefense[12] = 1;
  const std::pair<StatisticsOrder, std::vector<std::string>> cases[] = {
      {StatisticsOrder::QualityRating, {"Loc9", "Loc7"}},
      {StatisticsOrder::AveOffense, {"Loc5", "Loc4"}},
      {StatisticsOrder::AveDefense, {"Loc11", "Loc12", "Loc1"}}};
  for (const auto& [order, first] : cases) {
    const auto teams = TeamsOf(StatisticsLines(store, 5, order));
    EXPECT_EQ(std::vector<std::string>(teams.begin(), teams.begin() + first.size()), first);
  }
}

// Catches the first of equal names taken, a name matched without case, and the prompt taken
// for a team.
TEST(TeamChoice, ListsNamesAndTakesTheLastOfEqualNames) {
  SeasonStore store = testing::LeagueStore(1999);
  store.TeamName[20] = "Nick3";
  EXPECT_EQ(TeamChoices(store).size(), 31u);
  EXPECT_EQ(FindTeamByName(store, "Nick3"), 20);
  EXPECT_EQ(FindTeamByName(store, "Nick31"), 31);
  EXPECT_EQ(FindTeamByName(store, "nick1"), 0);
  EXPECT_EQ(FindTeamByName(store, SelectTeamPrompt), 0);
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
  struct Case {
    Lines fonts;
    std::string current, report;
    Lines expected;
  };
  const Case cases[] = {
      {{"Arial", "Courier New", "Gothic"}, "Arial", "Courier New", {"font:Gothic", "line: "}},
      {{"Courier New"}, "Courier New", "Courier New", {"line: "}},
      {{"Courier New", "Arial"}, "Courier New", "", {"font:Arial", "line: "}}};
  for (const Case& c : cases) {
    testing::RecordingPrinter printer;
    printer.fonts = c.fonts;
    printer.current_font = c.current;
    PrepareReportPrinter(printer, c.report);
    EXPECT_EQ(printer.events, c.expected) << c.report;
  }
}

// Catches a report printed without asking, after Cancel, or with its own margins, sizes and
// blank lines wrong; an empty list asks nothing.
TEST_F(PrintCommand, EachReportAsksThenPrintsItsLayout) {
  const std::string rule(76, '_');
  const Lines results_body{"line: ", "line: ", "line: ", "line: ", "line:title   "};
  auto with_body = [&](Lines head, Lines tail) {
    head.insert(head.end(), results_body.begin(), results_body.end());
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
  };
  struct Case {
    const char* question;
    std::function<void(const Lines&)> print;
    Lines printed;
  };
  const Case cases[] = {
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
  for (const Case& c : cases) {
    SCOPED_TRACE(c.question);
    ui = {};
    c.print({});  // nothing to print: nothing asked
    ui.answers = {false};
    c.print({"title", "a", "b"});
    EXPECT_TRUE(events().empty());
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].text, c.question);
    c.print({"title", "a", "b"});
    EXPECT_EQ(AfterPreparation(), c.printed);
  }
}

Lines ScheduleListing(int weeks) {
  Lines lines;
  for (int week = 1; week <= weeks; ++week) {
    lines.insert(lines.end(), {"Week", "====", "game", "====", " ", " "});
  }
  return lines;
}

int Count(const Lines& events, const std::string& event) {
  return static_cast<int>(std::count(events.begin(), events.end(), event));
}

// Catches a second font set when the report has no font of its own.
TEST_F(PrintCommand, NoReportFontKeepsThePreparedFont) {
  store.ReportFont.clear();
  PrintWeeklyPredictions(session, {"x"});
  EXPECT_EQ(events().front(), "font:Courier New");
  EXPECT_EQ(Count(events(), "font:"), 0);
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

// Two weeks a page: a blank line after every second "=" line, a new page after every fourth
// unless it is one of the last two lines. Catches a break misplaced, a page not prepared again,
// and a break before a lone last line.
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

}  // namespace
}  // namespace tavrin
