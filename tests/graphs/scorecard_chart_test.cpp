// The scorecard chart's percentage range, and its printout: the report and the chart on one
// portrait page, the chart below the last line.

#include "graphs/scorecard_chart.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "season/season_store.h"
#include "support/scripted_ui.h"

namespace tavrin {
namespace {

TEST(ScorecardChart, PercentRangeInWholeTensAroundTheValues) {
  struct Case {
    std::vector<std::optional<double>> tavrin, market;
    int low, high;
  };
  const Case cases[] = {
      {{}, {}, 0, 100},
      {{std::nullopt}, {}, 0, 100},
      {{55.0, 70.0}, {}, 50, 80},
      {{62.0}, {66.0}, 50, 80},
      {{96.0, 100.0}, {}, 80, 100},
      {{2.0}, {}, 0, 20},
      {{40.0, std::nullopt}, {71.0}, 30, 80},
  };
  for (const Case& c : cases) {
    const PercentRange range = PercentRangeFor({17, c.tavrin, c.market});
    EXPECT_EQ(range.low, c.low);
    EXPECT_EQ(range.high, c.high);
  }
}

// Text as tall and as wide as its size makes it, as a real printer's is.
class ScalingPrinter : public testing::RecordingPrinter {
 public:
  double points = 10;
  void SetFont(const std::string& name, double size, bool bold) override {
    points = size;
    RecordingPrinter::SetFont(name, size, bold);
  }
  double TextWidth(const std::string& text) override { return 12 * points * text.size(); }
  double TextHeight(const std::string&) override { return 24 * points; }
};

TEST(ScorecardChart, PrintoutFitsOnePortraitPage) {
  struct ScalingUi : testing::ScriptedUi {
    ScalingPrinter page;
    Printer& ReportPrinter() override { return page; }
  } ui;
  ScalingPrinter& page = ui.page;
  SeasonStore store;
  Session session{store, ui, {}};
  // A report as long as a 20-week season with the market: two tables and the records.
  const std::vector<std::string> lines(58, std::string(74, 'x'));
  PrintSeasonScorecard(session, lines, {20, {60.0, 70.0}, {65.0, 50.0}});

  double points = 10, last_line_bottom = 0, lowest = 0;
  int lines_printed = 0;
  for (const std::string& event : page.events) {
    double x = 0, y = 0, x2 = 0, y2 = 0;
    if (std::sscanf(event.c_str(), "canvasfont:%*[^,],%lf", &points) == 1) continue;
    if (event.rfind("text:", 0) == 0 && event.find(std::string(74, 'x')) != std::string::npos) {
      std::sscanf(event.c_str(), "text:%lf,%lf", &x, &y);
      last_line_bottom = y + 24 * points;
      EXPECT_LE(x + 12 * points * 74, page.page_width);
      ++lines_printed;
    }
    if (std::sscanf(event.c_str(), "lineto:%lf,%lf,%lf,%lf", &x, &y, &x2, &y2) == 4) {
      EXPECT_GE(std::min(y, y2), last_line_bottom) << event;
      lowest = std::max({lowest, y, y2});
    }
  }
  EXPECT_EQ(lines_printed, 58);
  EXPECT_GT(lowest, last_line_bottom);
  EXPECT_LE(lowest, page.page_height);
  EXPECT_EQ(page.events.back(), "end");
}

}  // namespace
}  // namespace tavrin
