// The season scorecard over the recorded seasons, with and without the market's lines, and the
// win probabilities listing. The figures were counted from the seasons' files by a separate
// script, not by this code.

#include "reports/scorecard_report.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "reports/golden_case.h"
#include "reports/win_probabilities.h"
#include "season/file_io.h"

namespace tavrin {
namespace {

using testing::OpenedCase;

// The betting lines of a shared season's CSV, by the columns its header names.
std::vector<MarketLine> CsvLines(int year) {
  const auto rows = testing::SplitLines(testing::ReadFileBytes(
      testing::SharedDataDir() / "seasons" / (std::to_string(year) + ".csv")));
  const auto fields = [](const std::string& row) {
    std::vector<std::string> split(1);
    for (char c : row) {
      if (c == ',') {
        split.emplace_back();
      } else {
        split.back().push_back(c);
      }
    }
    return split;
  };
  const auto header = fields(rows.at(0));
  const auto column = [&](const char* name) {
    return std::find(header.begin(), header.end(), name) - header.begin();
  };
  std::vector<MarketLine> lines;
  for (std::size_t row = 1; row < rows.size(); ++row) {
    const auto f = fields(rows[row]);
    lines.push_back({std::stoi(f.at(column("week"))), std::stoi(f.at(column("visitor"))),
                     std::stoi(f.at(column("home"))), std::stod(f.at(column("spread_line"))),
                     std::stod(f.at(column("total_line")))});
  }
  return lines;
}

struct SeasonFigures {
  int right, picked;
  double margin_error, total_error;
};

void ExpectFigures(const ForecastFigures& figures, const SeasonFigures& expected) {
  EXPECT_EQ(figures.right, expected.right);
  EXPECT_EQ(figures.picked, expected.picked);
  EXPECT_NEAR(figures.MeanMarginError(), expected.margin_error, 0.0005);
  EXPECT_NEAR(figures.MeanTotalError(), expected.total_error, 0.0005);
}

TEST(ScorecardReport, RecordedSeasonsWithAndWithoutTheMarket) {
  TAVRIN_REQUIRE_SHARED_DATA();
  struct Case {
    const char* name;
    int year;
    SeasonFigures tavrin, market;
  };
  const Case cases[] = {{"1999", 1999, {150, 237, 10.230, 11.351}, {163, 244, 10.327, 11.169}},
                        {"2000", 2000, {151, 242, 10.377, 11.835}, {158, 243, 10.419, 11.431}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    OpenedCase opened(c.name);
    auto without = ShowSeasonScorecard(opened.session);
    ASSERT_TRUE(without);
    EXPECT_FALSE(without->market_known);
    ExpectFigures(without->tavrin, c.tavrin);
    EXPECT_EQ(without->weeks.size(), 17u);
    EXPECT_EQ(ScorecardLines(opened.store, *without).back(), std::string(74, '='));

    ASSERT_TRUE(ReplaceFileAtomically(opened.folder.path() / MarketLinesFileName(c.year),
                                      MarketLinesText(CsvLines(c.year))));
    auto with = ShowSeasonScorecard(opened.session);
    ASSERT_TRUE(with);
    EXPECT_TRUE(with->market_known);
    ExpectFigures(with->tavrin, c.tavrin);
    ExpectFigures(with->market, c.market);
    EXPECT_TRUE(opened.ui.messages.empty());
  }
}

TEST(ScorecardReport, RefusesWeeksNotScoredAndLeavesOutDamagedLines) {
  TAVRIN_REQUIRE_SHARED_DATA();
  OpenedCase start("1999");
  start.folder.CopyFilesFrom(testing::GoldenCaseDir("1999") / "start");
  ASSERT_TRUE(ReadSettings(start.store, start.folder.path()));
  const std::pair<int, const char*> refusals[] = {{0, "1"}, {3, "1"}};
  for (const auto& [through, week] : refusals) {
    start.ui.messages.clear();
    EXPECT_FALSE(ShowSeasonScorecard(start.session, through));
    ASSERT_EQ(start.ui.messages.size(), 1u);
    EXPECT_EQ(start.ui.messages[0].text,
              std::string("Cannot Complete Action....\n\rScores must be current thru Week # ") +
                  week + ".");
  }

  OpenedCase final("1999");
  testing::WriteFileBytes(final.folder.path() / "TVML1999.csv", "week,visitor\n1,2\n");
  const auto card = ShowSeasonScorecard(final.session, 2);
  ASSERT_TRUE(card);
  EXPECT_FALSE(card->market_known);
  EXPECT_EQ(card->weeks.size(), 2u);
  ASSERT_EQ(final.ui.messages.size(), 1u);
  EXPECT_EQ(final.ui.messages[0].text,
            "The betting lines in TVML1999.csv cannot be read.\n\rThe scorecard leaves the market "
            "out.");
}

TEST(WinProbabilities, FavouritesChanceFromTheStoredMargin) {
  TAVRIN_REQUIRE_SHARED_DATA();
  OpenedCase opened("1999");
  const auto lines = ShowWinProbabilities(opened.session, 4);
  ASSERT_TRUE(lines);
  // Phi(0.5 / 14.5) and Phi(5.5 / 14.5), from a normal table.
  EXPECT_EQ(lines->at(4), "NY Giants at Arizona           Giants by 0.5             51.4%");
  EXPECT_EQ(lines->at(5), "Pittsburgh at Buffalo          Bills by 5.5              64.8%");
  EXPECT_FALSE(ShowWinProbabilities(opened.session, 17));
}

}  // namespace
}  // namespace tavrin
