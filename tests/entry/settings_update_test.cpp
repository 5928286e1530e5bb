#include "entry/settings_update.h"

#include <gtest/gtest.h>

#include "engine/season_fixture.h"

namespace tavrin {
namespace {

using SettingsUpdateTest = testing::SeasonFixture;

// The file's lines are checked through the tool's settings command; here the refusals.
TEST_F(SettingsUpdateTest, AYearThatIsNotAFourDigitYearFrom1997IsRefusedWithAMessage) {
  for (const char* year : {"1996", "99", "20", "", "abc", "1999.5", "-2000", "10000"}) {
    EXPECT_EQ(ApplySettings(session, {year, "17", 100, 100}), CommandResult::Refused) << year;
  }
  EXPECT_EQ(ui.beeps, 8);
  ASSERT_EQ(ui.messages.size(), 8u);
  EXPECT_EQ(ui.messages[0].text,
            "The Working Year must be a year from 1997 to 9999, written with four digits.");
  EXPECT_EQ(store.WorkingYear, 1999);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / SettingsFileName));
  EXPECT_EQ(ApplySettings(session, {"1997", "17", 100, 100}), CommandResult::Done);
}

TEST_F(SettingsUpdateTest, RefusesAWeekCountNoSeasonCanHave) {
  for (const char* weeks : {"0", "53", "abc", "16.5", "-17"}) {
    EXPECT_EQ(ApplySettings(session, {"2000", weeks, 100, 100}), CommandResult::Refused);
  }
  ASSERT_EQ(ui.messages.size(), 5u);
  EXPECT_EQ(ui.messages[0].text, "The number of weeks must lie between 1 and 52.");
  EXPECT_EQ(store.WorkingYear, 1999);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / SettingsFileName));
  EXPECT_EQ(ApplySettings(session, {"2000", "18", 100, 100}), CommandResult::Done);
  EXPECT_EQ(store.WeeksInSeason, 18);
}

}  // namespace
}  // namespace tavrin
