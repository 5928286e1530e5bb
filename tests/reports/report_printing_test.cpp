// The print commands as the printer receives them: question, preparation, fonts, margins,
// blank lines, page breaks and the end of the job.

#include "presentation/report_printing.h"

#include <gtest/gtest.h>

#include "analysis/standings.h"
#include "reports/schedule_views.h"
#include "reports/statistics_view.h"
#include "reports/weekly_predictions.h"
#include "reports/weekly_results.h"
#include "support/scripted_ui.h"
#include "support/temp_folder.h"

namespace tavrin {
namespace {

class PrintCommand : public ::testing::Test {
 protected:
  PrintCommand() { store.ReportFont = "Courier New"; }
  std::vector<std::string>& events() { return ui.printer.events; }
  // The events after PrepareReportPrinter's font choice and starting line.
  std::vector<std::string> AfterPreparation() {
    EXPECT_GE(events().size(), 2u);
    EXPECT_EQ(events()[0], "font:Times New Roman");
    EXPECT_EQ(events()[1], "line: ");
    return {events().begin() + 2, events().end()};
  }

  testing::TempFolder folder;
  SeasonStore store;
  testing::ScriptedUi ui;
  Session session{store, ui, folder.path()};
};

TEST_F(PrintCommand, PrepareReportPrinterSkipsCurrentAndReportFonts) {
  testing::RecordingPrinter printer;
  printer.fonts = {"Arial", "Courier New", "Gothic"};
  PrepareReportPrinter(printer, "Courier New");
  EXPECT_EQ(printer.events, (std::vector<std::string>{"font:Gothic", "line: "}));

  printer.events.clear();
  printer.fonts = {"Courier New"};
  printer.current_font = "Courier New";
  PrepareReportPrinter(printer, "Courier New");
  EXPECT_EQ(printer.events, (std::vector<std::string>{"line: "}));

  printer.events.clear();
  printer.fonts = {"Courier New", "Arial"};
  PrepareReportPrinter(printer, "");
  EXPECT_EQ(printer.events, (std::vector<std::string>{"font:Arial", "line: "}));
}

TEST_F(PrintCommand, EmptyListsAskNothingAndCancelPrintsNothing) {
  PrintWeeklyPredictions(session, {});
  PrintSchedule(session, {});
  PrintStandings(session, {});
  PrintStatistics(session, {});
  PrintResults(session, {}, ResultsFontOrder::SizeThenName);
  EXPECT_TRUE(ui.questions.empty());

  ui.answers = {false, false, false, false, false};
  PrintWeeklyPredictions(session, {"a"});
  PrintSchedule(session, {"a"});
  PrintStandings(session, {"a"});
  PrintStatistics(session, {"a"});
  PrintResults(session, {"a"}, ResultsFontOrder::NameThenSize);
  EXPECT_TRUE(events().empty());
  ASSERT_EQ(ui.questions.size(), 5u);
  EXPECT_EQ(ui.questions[0].text, "Ready to send Predictions to the Printer.");
  EXPECT_EQ(ui.questions[1].text, "Ready to send Schedule to the Printer.");
  EXPECT_EQ(ui.questions[2].text, "Ready to send Standings to the Printer.");
  EXPECT_EQ(ui.questions[3].text, "Ready to send Statistics to the Printer.");
  EXPECT_EQ(ui.questions[4].text, "Ready to send Results to the Printer.");
  for (const auto& question : ui.questions) {
    EXPECT_EQ(question.caption, "Tavrin");
    EXPECT_FALSE(question.yes_no);
  }
  EXPECT_EQ(ui.busy_pointers, 0);
}

TEST_F(PrintCommand, WeeklyPredictions) {
  PrintWeeklyPredictions(session, {"title", "line"});
  EXPECT_EQ(AfterPreparation(),
            (std::vector<std::string>{"font:Courier New", "size:14",
                                      "line: ", "line: ", "line:   title", "line:   line", "end"}));
  EXPECT_EQ(ui.busy_pointers, 1);
}

TEST_F(PrintCommand, StandingsSetTheTitleApart) {
  PrintStandings(session, {"title", "a", "b"});
  EXPECT_EQ(AfterPreparation(),
            (std::vector<std::string>{"font:Courier New", "size:11",
                                      "line: ", "line: ", "line:        title",
                                      "line: ", "line:        a", "line:        b", "end"}));
}

TEST_F(PrintCommand, StatisticsCloseWithAnUnderline) {
  PrintStatistics(session, {"h", "t"});
  EXPECT_EQ(AfterPreparation(),
            (std::vector<std::string>{"font:Courier New", "size:12",
                                      "line: ", "line: ", "line: ", "line: ", "line: h", "line: t",
                                      "line: ", "line: " + std::string(76, '_'), "end"}));
}

TEST_F(PrintCommand, ResultsInBothFontOrders) {
  PrintResults(session, {"title", "a", "b"}, ResultsFontOrder::SizeThenName);
  const std::vector<std::string> body{"line: ", "line: ", "line: ", "line: ", "line:title   "};
  std::vector<std::string> weekly{"size:12", "font:Courier New"};
  weekly.insert(weekly.end(), body.begin(), body.end());
  weekly.insert(weekly.end(), {"size:10", "font:Courier New", "line:a     ",
                               "line: ", "line:b     ", "line: ", "end"});
  EXPECT_EQ(AfterPreparation(), weekly);

  events().clear();
  ui.printer.current_font = "Arial";
  PrintResults(session, {"title", "a", "b"}, ResultsFontOrder::NameThenSize);
  std::vector<std::string> team{"font:Courier New", "size:12"};
  team.insert(team.end(), body.begin(), body.end());
  team.insert(team.end(), {"size:10", "line:a     ", "line: ", "line:b     ", "line: ", "end"});
  EXPECT_EQ(AfterPreparation(), team);
}

TEST_F(PrintCommand, NoReportFontKeepsThePreparedFont) {
  store.ReportFont.clear();
  PrintWeeklyPredictions(session, {"x"});
  EXPECT_EQ(events().front(), "font:Courier New");
  EXPECT_EQ(std::count_if(events().begin(), events().end(),
                          [](const std::string& e) { return e.rfind("font:", 0) == 0; }),
            1);
}

std::vector<std::string> ScheduleListing(int weeks) {
  std::vector<std::string> lines;
  for (int week = 1; week <= weeks; ++week) {
    lines.insert(lines.end(), {"Week", "====", "game", "====", " ", " "});
  }
  return lines;
}

int Count(const std::vector<std::string>& events, const std::string& event) {
  return static_cast<int>(std::count(events.begin(), events.end(), event));
}

TEST_F(PrintCommand, ShortScheduleIsLoweredOnOnePage) {
  std::vector<std::string> lines(25, "game");
  lines[1] = lines[24] = "=====";
  PrintSchedule(session, lines);
  const auto printed = AfterPreparation();
  EXPECT_EQ((std::vector<std::string>(printed.begin(), printed.begin() + 6)),
            (std::vector<std::string>{"font:Courier New", "size:15",
                                      "line: ", "line: ", "line: ", "line: "}));
  EXPECT_EQ(printed[6], "line:       game");
  EXPECT_EQ(Count(printed, "page"), 0);
  EXPECT_EQ(Count(printed, "line: "), 4);  // short listings get no blank after "=" lines
  EXPECT_EQ(printed.back(), "end");
}

// Two weeks a page: a blank line after every second "=" line, a new page after every fourth
// unless it is one of the last two lines.
TEST_F(PrintCommand, LongScheduleTwoWeeksAPage) {
  const auto lines = ScheduleListing(5);  // 30 lines, 10 "=" lines
  PrintSchedule(session, lines);
  const auto printed = AfterPreparation();
  EXPECT_EQ(printed[2], "line: ");
  EXPECT_EQ(printed[3], "line:       Week");
  EXPECT_EQ(Count(printed, "page"), 2);
  EXPECT_EQ(Count(printed, "font:Arial"), 2);  // prepared again on each new page
  const auto first_page = std::find(printed.begin(), printed.end(), "page");
  ASSERT_NE(first_page, printed.end());
  const std::vector<std::string> before_break(first_page - 4, first_page);
  EXPECT_EQ(before_break, (std::vector<std::string>{"line:       Week", "line:       ====",
                                                    "line:       game", "line:       ===="}));
  EXPECT_EQ(*(first_page + 1), "font:Arial");
  EXPECT_EQ(*(first_page + 2), "line: ");
  EXPECT_EQ(*(first_page + 3), "font:Courier New");
  EXPECT_EQ(*(first_page + 5), "line:        ");
}

TEST_F(PrintCommand, FourthRuleNearTheEndStartsNoPage) {
  auto lines = ScheduleListing(2);
  lines.insert(lines.begin(), {"x", "y"});
  lines.pop_back();  // the fourth "=" line is now followed by a single line
  std::vector<std::string> long_lines(20, "filler");
  long_lines.insert(long_lines.end(), lines.begin(), lines.end());
  PrintSchedule(session, long_lines);
  EXPECT_EQ(Count(events(), "page"), 0);
  long_lines.push_back(" ");
  events().clear();
  PrintSchedule(session, long_lines);
  EXPECT_EQ(Count(events(), "page"), 1);
}

}  // namespace
}  // namespace tavrin
