// The demo season as the program reads it back: its schedules pass the league's rules, its
// blocks carry predictions and results, and score entry picks up where the demo stopped.
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

  // The demo schedule tests own the league's rules; here every stored week must read back.
  void ExpectScheduleReadsBack(int year) {
    store_.WorkingYear = static_cast<int16_t>(year);
    for (int week = 1; week <= DemoWeekCount; ++week) {
      store_.ScheduleStatus.clear();
      ReadScheduleWeek(store_, folder(), week);
      EXPECT_NE(store_.ScheduleStatus, StatusError) << year << " week " << week;
      EXPECT_GE(store_.WeekGameCount, 7) << year << " week " << week;
    }
  }

  void LoadBlock(int year, int block) {
    store_.WorkingYear = static_cast<int16_t>(year);
    ASSERT_TRUE(LoadStatsBlockNumber(store_, folder(), block));
  }

  static inline TempFolder* folder_ = nullptr;
  static inline std::optional<std::string> failure_;
  SeasonStore store_;
  ScriptedUi ui_;
};

TEST_F(DemoSeasonTest, BothYearsSchedulesReadBackAndKeepTheRules) {
  ExpectScheduleReadsBack(1999);
  ExpectScheduleReadsBack(2000);
}

TEST_F(DemoSeasonTest, BlockZeroCarriesLastSeasonsRatingsAndOpensWeekOne) {
  LoadBlock(1999, DemoWeekCount);
  const auto final_ratings = store_.Cqr;
  const auto final_offense = store_.AveOffense;
  LoadBlock(2000, 0);
  double spread_low = 1e9, spread_high = -1e9;
  for (int t = 1; t <= DemoTeamCount; ++t) {
    EXPECT_EQ(store_.Cqr[t], final_ratings[t]) << "team " << t;
    EXPECT_EQ(store_.AveOffense[t], final_offense[t]) << "team " << t;
    EXPECT_EQ(store_.Wins[t] + store_.Losses[t] + store_.Ties[t], 0) << "team " << t;
    EXPECT_EQ(store_.PointsScored[t], 0) << "team " << t;
    spread_low = std::min(spread_low, store_.Cqr[t]);
    spread_high = std::max(spread_high, store_.Cqr[t]);
  }
  EXPECT_GT(spread_high - spread_low, 5.0) << "a season of results sets the teams apart";

  store_.SelectedWeek = 1;
  LoadStatsBlock(store_, folder());
  EXPECT_NE(store_.StatsStatus, StatusError);
  EXPECT_TRUE(BlockHasRecordedScores(store_));
  Session session{store_, ui_, folder()};
  EXPECT_TRUE(OpenScoreEntry(session, 1));
  EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(DemoSeasonTest, PlayedWeeksHoldResultsAndTheNextWeekOpens) {
  int games_so_far = 0;
  for (int block = 1; block <= 8; ++block) {
    SCOPED_TRACE(::testing::Message() << "block " << block);
    store_.WorkingYear = 2000;
    store_.ScheduleStatus.clear();
    ReadScheduleWeek(store_, folder(), block);
    const int games = store_.WeekGameCount;
    games_so_far += games;
    LoadBlock(2000, block);
    float played = 0;
    for (int t = 1; t <= DemoTeamCount; ++t)
      played += store_.Wins[t] + store_.Losses[t] + store_.Ties[t];
    EXPECT_EQ(played, 2.0f * games_so_far) << "every game of the weeks so far is on the records";
    for (int g = 1; g <= games; ++g) {
      const int total = store_.FirstScore[g] + static_cast<int>(store_.SecondScore[g]);
      EXPECT_GT(total, 0) << "game " << g;
      EXPECT_LT(total, 110) << "game " << g;
    }
  }
  Session session{store_, ui_, folder()};
  store_.WorkingYear = 2000;
  EXPECT_TRUE(OpenScoreEntry(session, 9));
  EXPECT_TRUE(ui_.messages.empty());
  EXPECT_FALSE(OpenScoreEntry(session, 10)) << "week 9 has not been scored";
}

TEST_F(DemoSeasonTest, SameSeedGivesTheSameFilesOtherSeedOtherScores) {
  TempFolder again, other;
  ScriptedUi ui;
  ASSERT_FALSE(MakeDemoSeason(again.path(), DemoOptions{}, ui));
  DemoOptions reseeded;
  reseeded.seed = 2;
  ASSERT_FALSE(MakeDemoSeason(other.path(), reseeded, ui));
  const std::string names[] = {"TVSC1999.dat", "TVSC2000.dat", "TVSt1999.dat",
                               "TVSt2000.dat", "TavNM.dat",    "TavSE.dat"};
  for (const std::string& name : names) {
    EXPECT_EQ(testing::ReadFileBytes(folder() / name), testing::ReadFileBytes(again.path() / name))
        << name;
  }
  EXPECT_NE(testing::ReadFileBytes(folder() / "TVSt2000.dat"),
            testing::ReadFileBytes(other.path() / "TVSt2000.dat"));
}

TEST(DemoSeason, OptionsOutsideTheirRangesAreRefused) {
  for (const DemoOptions& options : {DemoOptions{1997, 1, 8}, DemoOptions{10000, 1, 8},
                                     DemoOptions{2000, 1, -1}, DemoOptions{2000, 1, 18}}) {
    EXPECT_TRUE(CheckDemoOptions(options)) << options.year << " " << options.weeks_played;
  }
  EXPECT_FALSE(CheckDemoOptions(DemoOptions{1998, 1, 0}));
  EXPECT_FALSE(CheckDemoOptions(DemoOptions{2000, 1, 17}));
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
