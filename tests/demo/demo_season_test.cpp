// The demo season as the program reads it back: its schedules read back, its blocks carry
// predictions and results, and score entry picks up where the demo stopped.
#include "demo/demo_season.h"

#include <gtest/gtest.h>

#include "demo/demo_schedule.h"
#include "demo/demo_teams.h"
#include "engine/recorded_scores.h"
#include "entry/score_entry.h"
#include "season/data_files.h"
#include "support/scripted_ui.h"
#include "support/temp_folder.h"

namespace tavrin::demo {
namespace {

using testing::ScriptedUi;
using testing::TempFolder;

class DemoSeasonTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new TempFolder;
    ScriptedUi ui;
    failure_ = MakeDemoSeason(folder_->path(), DemoOptions{}, ui);
  }
  static void TearDownTestSuite() {
    delete folder_;
    folder_ = nullptr;
  }

  void SetUp() override {
    ASSERT_FALSE(failure_) << *failure_;
    ASSERT_TRUE(ReadSettings(store_, folder()));
    store_.TeamCount = LeagueTeamCount;
    ASSERT_TRUE(ReadNames(store_, folder()));
  }

  static const std::filesystem::path& folder() { return folder_->path(); }

  void LoadBlock(int year, int block) {
    store_.WorkingYear = static_cast<int16_t>(year);
    ASSERT_TRUE(LoadStatsBlockNumber(store_, folder(), block));
  }

  static inline TempFolder* folder_ = nullptr;
  static inline std::optional<std::string> failure_;
  SeasonStore store_;
  ScriptedUi ui_;
};

// Catches the new season not carrying last season's ratings, or carrying its records.
TEST_F(DemoSeasonTest, BlockZeroCarriesLastSeasonsRatingsAndOpensWeekOne) {
  LoadBlock(1999, DemoWeekCount);
  const auto final_ratings = store_.Cqr;
  const auto final_offense = store_.AveOffense;
  LoadBlock(2000, 0);
  for (int t = 1; t <= DemoTeamCount; ++t) {
    EXPECT_EQ(store_.Cqr[t], final_ratings[t]) << "team " << t;
    EXPECT_EQ(store_.AveOffense[t], final_offense[t]) << "team " << t;
    EXPECT_EQ(store_.Wins[t] + store_.Losses[t] + store_.Ties[t] + store_.PointsScored[t], 0)
        << "team " << t;
  }
  const auto [low, high] =
      std::minmax_element(store_.Cqr.begin() + 1, store_.Cqr.begin() + DemoTeamCount + 1);
  EXPECT_GT(*high - *low, 5.0) << "a season of results sets the teams apart";
  store_.SelectedWeek = 1;
  LoadStatsBlock(store_, folder());
  EXPECT_TRUE(BlockHasRecordedScores(store_));
}

// How scores become records is score entry's (the golden replay's); here every game of the
// played weeks has its score.
TEST_F(DemoSeasonTest, PlayedWeeksHoldScoresAndTheNextWeekOpens) {
  for (int block = 1; block <= 8; ++block) {
    store_.WorkingYear = 2000;
    store_.ScheduleStatus.clear();
    ReadScheduleWeek(store_, folder(), block);
    LoadBlock(2000, block);
    for (int g = 1; g <= store_.WeekGameCount; ++g) {
      EXPECT_GT(store_.FirstScore[g] + static_cast<int>(store_.SecondScore[g]), 0) << block;
    }
  }
  Session session{store_, ui_, folder()};
  store_.WorkingYear = 2000;
  EXPECT_TRUE(OpenScoreEntry(session, 9));
  EXPECT_TRUE(ui_.messages.empty());
  EXPECT_FALSE(OpenScoreEntry(session, 10)) << "week 9 has not been scored";
}

// Catches the edges of the year and weeks-played ranges moved by one.
TEST(DemoSeason, OptionsOutsideTheirRangesAreRefused) {
  const std::pair<DemoOptions, bool> cases[] = {{{1997, 1, 8}, false},  {{10000, 1, 8}, false},
                                                {{2000, 1, -1}, false}, {{2000, 1, 18}, false},
                                                {{1998, 1, 0}, true},   {{2000, 1, 17}, true}};
  for (const auto& [options, usable] : cases) {
    EXPECT_EQ(!CheckDemoOptions(options), usable) << options.year << " " << options.weeks_played;
  }
}

TEST(DemoSeason, AWholeSeasonPlayedLeavesTheLastWeekScored) {
  TempFolder folder;
  ScriptedUi ui;
  ASSERT_FALSE(MakeDemoSeason(folder.path(), DemoOptions{2001, 9, 17}, ui));
  SeasonStore store;
  ASSERT_TRUE(ReadSettings(store, folder.path()));
  EXPECT_EQ(store.WorkingYear, 2001);
  EXPECT_EQ(store.LastScoredWeek, 17);
  EXPECT_EQ(std::filesystem::file_size(folder.path() / "TVSt2001.dat"),
            static_cast<std::uintmax_t>(StatsRecordSize * LeagueTeamCount * (DemoWeekCount + 1)));
}

}  // namespace
}  // namespace tavrin::demo
