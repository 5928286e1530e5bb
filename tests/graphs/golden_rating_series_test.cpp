// Every team's rating series of a golden case against its rating_series.csv.

#include <fmt/format.h>
#include <gtest/gtest.h>

#include "graphs/rating_series.h"
#include "reports/golden_case.h"
#include "season/text_convention.h"

namespace tavrin {
namespace {

using testing::GoldenCaseTest;

class GoldenRatingSeries : public GoldenCaseTest {};

// Loads teams t and t + 1 together, as the comparison graph does, so both series are checked.
TEST_P(GoldenRatingSeries, EveryTeamInEveryBlock) {
  const auto golden = Golden("rating_series.csv");
  ASSERT_EQ(golden.size(), static_cast<std::size_t>(store().TeamCount) + 1);
  auto row = [&](int team, const auto& series) {
    std::string text = std::to_string(team);
    for (int block = 0; block <= LastSeriesBlock(store()); ++block) {
      text += "," + GeneralNumber(series[block]);
    }
    return text;
  };
  for (int team = 1; team <= store().TeamCount; team += 2) {
    SCOPED_TRACE(team);
    store().GraphMode = 2;
    store().GraphTeamOne = static_cast<int16_t>(team);
    store().GraphTeamTwo = static_cast<int16_t>(team < store().TeamCount ? team + 1 : 0);
    LoadRatingSeries(session());
    EXPECT_EQ(row(team, store().RatingSeriesOne), golden[team]);
    if (team < store().TeamCount) {
      EXPECT_EQ(row(team + 1, store().RatingSeriesTwo), golden[team + 1]);
    }
  }
}

TAVRIN_GOLDEN_CASES(GoldenRatingSeries);

}  // namespace
}  // namespace tavrin
