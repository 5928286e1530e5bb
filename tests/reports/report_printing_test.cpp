// The print commands as the printer receives them: question, preparation, fonts, margins,
// blank lines, page breaks and the end of the job.

#include "presentation/report_printing.h"

#include <gtest/gtest.h>

#include <functional>

#include "analysis/standings.h"
#include "engine/season_fixture.h"
#include "reports/schedule_views.h"
#include "reports/statistics_view.h"
#include "reports/weekly_predictions.h"
#include "reports/weekly_results.h"

namespace tavrin {
namespace {

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
