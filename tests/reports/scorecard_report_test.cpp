// The season scorecard's refusals and its damaged market file, and the win probabilities listing.
// The figures of the recorded seasons are the golden replay's.

#include "reports/scorecard_report.h"

#include <gtest/gtest.h>

#include "reports/golden_case.h"
#include "reports/win_probabilities.h"

namespace tavrin {
namespace {

using testing::OpenedCase;

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
