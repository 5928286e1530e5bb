#include "entry/settings_update.h"

#include <gtest/gtest.h>

#include "engine/season_fixture.h"

namespace tavrin {
namespace {

using SettingsUpdateTest = testing::SeasonFixture;

// The file's lines are checked through the tool's settings command; here the refusals.
TEST_F(SettingsUpdateTest, AYearOrAWeekCountOutOfRangeIsRefusedWithAMessage) {
  const std::string bad_year =
      "The Working Year must be a year from 1997 to 9999, written with four digits.";
  const std::string bad_weeks = "The number of weeks must lie between 1 and 52.";
  const std::tuple<const char*, const char*, std::string> cases[] = {
      // year, weeks, refusal
      {"1996", "17", bad_year},  {"99", "17", bad_year},     {"20", "17", bad_year},
      {"", "17", bad_year},      {"abc", "17", bad_year},    {"1999.5", "17", bad_year},
      {"-2000", "17", bad_year}, {"10000", "17", bad_year},  {"2000", "0", bad_weeks},
      {"2000", "53", bad_weeks}, {"2000", "abc", bad_weeks}, {"2000", "16.5", bad_weeks},
      {"2000", "-17", bad_weeks}};
  for (const auto& [year, weeks, refusal] : cases) {
    ui.messages.clear();
    EXPECT_EQ(ApplySettings(session, {year, weeks, 100, 100}), CommandResult::Refused) << year;
    EXPECT_EQ(ui.OnlyMessage(), refusal) << year << " " << weeks;
  }
  EXPECT_EQ(ui.beeps, 8);  // a refused year beeps
  EXPECT_EQ(store.WorkingYear, 1999);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / SettingsFileName));
  EXPECT_EQ(ApplySettings(session, {"1997", "18", 100, 100}), CommandResult::Done);
  EXPECT_EQ(store.WeeksInSeason, 18);
}

}  // namespace
}  // namespace tavrin
