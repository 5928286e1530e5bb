#include "engine/results_processing.h"

#include <fmt/format.h>
#include <gtest/gtest.h>

#include <tuple>

#include "engine/season_fixture.h"
#include "season/file_io.h"
#include "season/season_change.h"

namespace tavrin {
namespace {

class ProcessWeekTest : public testing::SeasonFixture {
 protected:
  ProcessWeekTest() { FillStartBlock(60.0); }
  ~ProcessWeekTest() override { ClearFileFaults(); }

  // Week `week` scheduled as the given games and loaded, as score entry leaves the store.
  void ScheduleWeek(int week, const std::vector<testing::Pairing>& games) {
    WriteSchedule(week, games);
    LoadSchedule(week);
  }
};

// Catches a wrong step size, a tie not charged to the favourite and a missed clamp: each game
// moves both ratings by K times the error of the stored pick's margin.
TEST_F(ProcessWeekTest, RatingChangesFollowTheMarginError) {
  // reactivity (90: K = 0.2, 100: K = 0.2222), the game, the pick, the score, the home team's
  // rating before, both ratings after
  const std::tuple<int16_t, int, int, int, float, ScoreTexts, double, double, double> cases[] = {
      {90, 1, 2, 0, 0, {" 37", "7 "}, 60, 63.2, 56.8},     // no favourite, by 30: clamped to 16
      {90, 4, 5, 4, 7, {"24\t", "17"}, 60, 60.0, 60.0},    // favourite wins by exactly its margin
      {90, 8, 9, 21, 2, {"13", "10"}, 60, 61.0, 59.0},     // favourite in neither team: wrong pick
      {100, 14, 15, 14, 3, {"14", "14"}, 60, 59.3, 60.7},  // a tie costs the favourite its margin
      {100, 18, 19, 0, 0, {"0", "0"}, 60, 60.0, 60.0},
      {90, 3, 20, 3, 2.5f, {"10", "17"}, 50, 58.1, 51.9},  // an upset: favourite by 2.5, lost by 7
  };
  for (const auto& [reactivity, visitor, home, favourite, margin, score, before, visitor_after,
                    home_after] : cases) {
    store.Reactivity = reactivity;
    store.Cqr[home] = before;
    ScheduleWeek(5, {{visitor, home}});
    SetPick(1, favourite, margin);
    ASSERT_EQ(ProcessWeekResults(session, 5, {score}), CommandResult::Done);
    EXPECT_DOUBLE_EQ(store.Cqr[visitor], visitor_after) << visitor;
    EXPECT_DOUBLE_EQ(store.Cqr[home], home_after) << visitor;
  }
  // A tie is counted for both teams; the records of 3 at 20 are those of the last game.
  EXPECT_EQ(std::tuple(store.Ties[14], store.Ties[15], store.Wins[20], store.Losses[3]),
            std::tuple(1, 1, 1.0f, 1));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ProcessWeekTest, FromWeekFourAveragesArePlainForTeamsWithTwoGames) {
  store.Wins[1] = 2;
  store.PointsScored[1] = 40;
  store.PointsAllowed[1] = 30;
  store.Losses[3] = 1;  // one game only after this week's bye
  store.PointsScored[3] = 3;
  ScheduleWeek(4, {{1, 2}});
  ASSERT_EQ(ProcessWeekResults(session, 4, {{"20", "6"}}), CommandResult::Done);
  EXPECT_EQ(store.AveOffense[1], 20.0f);  // 60 points in 3 games
  EXPECT_EQ(store.AveDefense[1], 12.0f);
  EXPECT_EQ(store.AveOffense[2], 20.0f);  // its first game: kept
  EXPECT_EQ(store.AveOffense[3], 20.0f);
}

TEST_F(ProcessWeekTest, ABoxThatHoldsNoScoreIsRefusedBeforeAnythingChanges) {
  const std::pair<ScoreTexts, bool> cases[] = {// the second game's boxes, the refused box
                                               {{"ab-1.5\"x", "3"}, false}, {{"7", "\"16\""}, true},
                                               {{"-7", "3"}, false},        {{"20.5", "13"}, false},
                                               {{"7", "1000"}, true},       {{"7", "+3"}, true}};
  ScheduleWeek(5, {{1, 2}, {3, 4}});
  const SeasonStore before = store;
  for (const auto& [second_game, second_box] : cases) {
    SCOPED_TRACE(second_game.first + " " + second_game.second);
    ui.messages.clear();
    const std::vector<ScoreTexts> scores{{"21", "14"}, second_game};
    EXPECT_EQ(ProcessWeekResults(session, 5, scores), CommandResult::Refused);
    EXPECT_EQ(ui.OnlyMessage(), fmt::format("Game # 2, City3 at City4:\n\rthe score of City{} "
                                            "must be a whole number from 0 to 999.",
                                            second_box ? 4 : 3));
    const auto place = FirstRefusedScore(scores, 2);
    ASSERT_TRUE(place);
    EXPECT_EQ(place->game, 2);
    EXPECT_EQ(place->second, second_box);
    EXPECT_EQ(store.PointsScored, before.PointsScored);
    EXPECT_TRUE(StatsFileBytes().empty());
  }
}

// The empty box is the last one: a check that stops a box early lets it through.
TEST_F(ProcessWeekTest, AnEmptyBoxChangesNothing) {
  ScheduleWeek(5, {{1, 2}, {3, 4}});
  const SeasonStore before = store;
  EXPECT_EQ(ProcessWeekResults(session, 5, {{"10", "3"}, {"10", ""}}), CommandResult::Refused);
  EXPECT_EQ(ui.OnlyMessage(), "All Scores Must be Entered Before Processing.");
  EXPECT_EQ(store.Cqr, before.Cqr);
  EXPECT_TRUE(StatsFileBytes().empty());
}

// Catches a block saved without its settings: a failure before the journal changes neither, one
// after it is finished by the next open.
TEST_F(ProcessWeekTest, TheBlockAndTheSettingsAreSavedTogetherOrNotAtAll) {
  const std::tuple<FileOperation, int, bool> cases[] = {
      {FileOperation::Write, 2, false},   // the settings' staged copy
      {FileOperation::Flush, 3, false},   // the folder, before the journal
      {FileOperation::Rename, 1, false},  // the journal itself
      {FileOperation::Rename, 2, true}};  // the block, after the journal
  for (const auto& [operation, nth, saved] : cases) {
    SCOPED_TRACE(::testing::Message() << static_cast<int>(operation) << " #" << nth);
    ui.messages.clear();
    store.LastScoredWeek = 4;
    ScheduleWeek(5, {{1, 2}});
    const std::string block_before = StatsFileBytes();
    InjectFileFault(operation, nth);
    EXPECT_EQ(ProcessWeekResults(session, 5, {{"17", "14"}}),
              saved ? CommandResult::Done : CommandResult::NotSaved);
    ClearFileFaults();
    EXPECT_EQ(ui.messages.size(), saved ? 0u : 1u);
    EXPECT_EQ(store.LastScoredWeek, saved ? 5 : 4);
    ASSERT_TRUE(RecoverSeasonFolder(folder.path()));
    SeasonStore settings;
    EXPECT_EQ(ReadSettings(settings, folder.path()), saved);
    EXPECT_EQ(StatsFileBytes() != block_before, saved);
    EXPECT_EQ(std::filesystem::exists(folder.path() / JournalFileName), false);
    std::filesystem::remove(folder.path() / SettingsFileName);
  }
}

// Catches a rating rounded in double (60.55f is held as 60.5499992, ten times it is 605.5 in
// single), a figure rounded rather than cut, or game slots past 15 touched.
TEST(RoundStatisticsTest, TenthsFromTheSingleProductAndWholeNumbers) {
  SeasonStore store;
  store.TeamCount = LeagueTeamCount;
  const std::tuple<double*, double, double> ratings[] = {
      {&store.Cqr[1], static_cast<float>(60.55), 60.6},
      {&store.Cqr[2], 60.54, 60.5},  // typed in the editor: a double
      {&store.Cqr[3], static_cast<float>(-3.25), -3.2}};
  using Single = std::tuple<float*, float, float>;  // field, before, after
  const Single singles[] = {{&store.Wins[1], 2.9f, 2.0f},
                            {&store.PointsAllowed[1], 99.99f, 99.0f},
                            {&store.PickMargin[15], 3.3f, 3.5f},
                            {&store.SecondScore[16], 10.6f, 10.6f},
                            {&store.PickMargin[16], 3.3f, 3.3f}};
  for (const auto& [field, before, after] : ratings) *field = before;
  for (const auto& [field, before, after] : singles) *field = before;
  RoundStatistics(store);
  for (const auto& [field, before, after] : ratings) EXPECT_DOUBLE_EQ(*field, after) << before;
  for (const auto& [field, before, after] : singles) EXPECT_EQ(*field, after) << before;
}

}  // namespace
}  // namespace tavrin
