#include "entry/schedule_save.h"

#include <gtest/gtest.h>

#include "engine/season_fixture.h"
#include "reports/golden_case.h"

namespace tavrin {
namespace {

class ScheduleSaveTest : public testing::SeasonFixture {
 protected:
  static std::vector<ScheduledGame> Games(int count) {
    std::vector<ScheduledGame> games;
    for (int game = 1; game <= count; ++game) {
      games.push_back({static_cast<int16_t>(game), static_cast<int16_t>(16 + game),
                       static_cast<int16_t>(game % 7 + 1)});
    }
    return games;
  }

  std::string ScheduleBytes() const {
    const auto file = folder.path() / ScheduleFileName(1999);
    return std::filesystem::exists(file) ? testing::ReadFileBytes(file) : std::string();
  }

  void ExpectOnlyMessage(const std::string& text, MessageIcon icon) {
    ASSERT_EQ(ui.OnlyMessage(), text);
    EXPECT_EQ(ui.messages[0].caption, "Tavrin");
    EXPECT_EQ(ui.messages[0].icon, icon);
    ui.messages.clear();
  }
};

TEST_F(ScheduleSaveTest, SavesTheWeekInListOrder) {
  auto games = Games(7);
  std::swap(games[0].first, games[0].second);  // reversed: the home team listed first
  ASSERT_TRUE(SaveScheduleWeek(session, "3", games));
  ExpectOnlyMessage("Schedule for Week 3 has been saved.", MessageIcon::None);
  EXPECT_EQ(ScheduleBytes().substr(204, 12), "071701202183");
}

TEST_F(ScheduleSaveTest, ListLinesPadThePairingToTheDayColumn) {
  testing::SetDayNames(store);
  store.LocationName[3] = "Twelve Chars";
  store.LocationName[20] = "Another City";
  EXPECT_EQ(ScheduleListLine(store, {3, 20, 2}), "Twelve Chars at Another City    Mon");
  EXPECT_EQ(ScheduleListLine(store, {1, 2, 7}), "City1 at City2                  Sat");
  EXPECT_EQ(PairingText(store, 20, 3), "Another City at Twelve Chars");
}

// Catches a week outside the season, too few games, or games the window could not build, saved.
TEST_F(ScheduleSaveTest, RefusesWhatItCannotSave) {
  const std::string week = "Please enter the week Number.";
  const std::string refusal =
      " cannot be saved:\n\rteams must be 1 to 31, each listed once, and days 1 to 7.";
  auto team_out = Games(7), team_twice = Games(7), home_twice = Games(7), day_out = Games(7);
  team_out[2].second = 32;
  team_twice[4].first = team_twice[1].second;
  home_twice[5].second = home_twice[0].first;
  day_out[6].day = 8;
  for (const char* number : {"0", "18", "abc", "99999", "9.5", "\"3\""}) {
    EXPECT_FALSE(SaveScheduleWeek(session, number, Games(7))) << number;
    ExpectOnlyMessage(week, MessageIcon::None);
  }
  const std::pair<std::vector<ScheduledGame>, std::string> cases[] = {
      {Games(6), "Insufficient information to save file."},
      {team_out, "Game # 3" + refusal},
      {team_twice, "Game # 5" + refusal},
      {home_twice, "Game # 6" + refusal},
      {day_out, "Game # 7" + refusal}};
  for (const auto& [games, message] : cases) {
    EXPECT_FALSE(SaveScheduleWeek(session, "3", games)) << message;
    ExpectOnlyMessage(message, MessageIcon::Exclamation);
  }
  EXPECT_TRUE(ScheduleBytes().empty());
  // Blanks around the number are harmless.
  EXPECT_TRUE(SaveScheduleWeek(session, " 17 ", Games(7)));
  ExpectOnlyMessage("Schedule for Week 17 has been saved.", MessageIcon::None);
}

TEST_F(ScheduleSaveTest, AScoredWeekAsksBeforeItsGamesChange) {
  ASSERT_TRUE(SaveScheduleWeek(session, "5", Games(7)));
  ui.messages.clear();
  const std::string saved = ScheduleBytes();
  FillStartBlock(60);
  ASSERT_TRUE(WriteStatsBlock(store, folder.path(), 5));
  // Only a week up to the last scored one has results that count.
  ASSERT_TRUE(SaveScheduleWeek(session, "5", Games(7)));
  EXPECT_TRUE(ui.questions.empty());
  ui.messages.clear();
  store.LastScoredWeek = 5;
  ui.answers = {false};
  EXPECT_FALSE(SaveScheduleWeek(session, "5", Games(8)));
  ASSERT_EQ(ui.questions.size(), 1u);
  EXPECT_EQ(ui.questions[0].text,
            "Week 5 has been scored. Changing its games will not move its results; enter week "
            "5's scores again after saving. Save anyway?");
  EXPECT_EQ(ui.questions[0].default_button, DefaultButton::Second);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(ScheduleBytes(), saved);
  EXPECT_TRUE(SaveScheduleWeek(session, "5", Games(8)));
  ExpectOnlyMessage("Schedule for Week 5 has been saved.", MessageIcon::None);
}

TEST_F(ScheduleSaveTest, LoadingAMissingWeekSaysSo) {
  EXPECT_TRUE(LoadScheduleWeek(session, 4).empty());
  ExpectOnlyMessage("Unable to Load the Schedule for Week 4.", MessageIcon::Exclamation);
}

}  // namespace
}  // namespace tavrin
