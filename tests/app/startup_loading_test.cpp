// The main window's load step over empty and broken data folders (the window test opens a real
// one): the store it leaves, the week menus, the report font check and the failure message.

#include "app/startup_loading.h"

#include <gtest/gtest.h>

#include "app/season_offer.h"
#include "season/data_files.h"
#include "season/file_io.h"
#include "support/scripted_ui.h"
#include "support/temp_folder.h"

namespace tavrin {
namespace {

using testing::ScriptedUi;
using testing::TempFolder;
using testing::WriteFileBytes;

std::vector<std::string> Weeks(const char* first, int from, int to) {
  std::vector<std::string> captions{first};
  for (int week = from; week <= to; ++week) captions.push_back("Week # " + std::to_string(week));
  return captions;
}

// Catches a menu one week short or long, or a damaged season length taken as it stands.
TEST(StartupLoading, WeekMenusCountTheSeasonsWeeks) {
  const struct {
    int weeks, last;  // the last week the menus offer
  } cases[] = {{-3, 1}, {0, 1}, {1, 1}, {2, 2}, {17, 17}, {32767, MaxMenuWeeks}};
  for (const auto& c : cases) {
    const WeekMenuCaptions menus = BuildWeekMenuCaptions(c.weeks);
    EXPECT_EQ(menus.schedules, Weeks("Week # 1", 2, c.last)) << c.weeks;
    EXPECT_EQ(menus.standings, Weeks("Week # 1", 2, c.last)) << c.weeks;
    for (const auto* menu : {&menus.scores, &menus.predictions, &menus.results})
      EXPECT_EQ(*menu, Weeks("Week #1", 2, c.last)) << c.weeks;
    EXPECT_EQ(menus.statistics, Weeks("Start of Season", 1, c.weeks > 0 ? c.last : 0)) << c.weeks;
  }
}

TEST(StartupLoading, MissingFilesAreReportedOnceAndLoadingCarriesOn) {
  TempFolder folder;
  SeasonStore store;
  ScriptedUi ui;
  LoadAtStartup(store, folder.path(), ui, ui.printer);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text,
            "Cannot Load file TavSE.dat or TavNM.dat.\n\rPlease exit and check working "
            "directory.\n\r\n\r");
  EXPECT_EQ(ui.messages[0].caption, "Tavrin Loading....");
  EXPECT_EQ(store.TeamCount, 31);
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));  // loading creates nothing
}

TEST(StartupLoading, ShortNamesFileIsReportedAfterTheSettingsAreRead) {
  TempFolder folder;
  WriteFileBytes(folder.path() / "TavSE.dat", "98\r\n100\r\n120\r\n\r\n3\r\n\"Arial\"\r\n16\r\n");
  WriteFileBytes(folder.path() / "TavNM.dat", "\"Buffalo\"\r\n\"Miami\"\r\n");
  SeasonStore store;
  ScriptedUi ui;
  LoadAtStartup(store, folder.path(), ui, ui.printer);
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(store.WorkingYear, 1998);
  EXPECT_EQ(store.Weighting, 120.0f);
  EXPECT_EQ(store.ReportFont, "Arial");
  EXPECT_EQ(store.WeeksInSeason, 16);
}

// Catches a new season left half-written: settings without names would pass for a season.
TEST(StartupLoading, AFolderWithoutASeasonOffersTheDemoANewSeasonOrQuitting) {
  const struct {
    std::vector<int> choices;  // 0 demo, 1 new season, 2 quit
    std::vector<std::optional<std::string>> years;
    bool goes_on;
    int16_t year;           // the settings file's year afterwards; 0 when there is none
    std::size_t messages;   // a refused year, a failed save
    int failed_rename = 0;  // the first rename puts the change's journal in place
  } cases[] = {{{2}, {}, false, 0, 0},
               {{1, 2}, {std::nullopt}, false, 0, 0},
               {{1, 1}, {"20", "2003"}, true, 2003, 1},
               {{1, 2}, {"2003"}, false, 0, 1, 1},
               {{0}, {}, true, 2000, 0}};
  for (const auto& c : cases) {
    TempFolder folder;
    SeasonStore store;
    ScriptedUi ui;
    ui.choices.assign(c.choices.begin(), c.choices.end());
    ui.inputs.assign(c.years.begin(), c.years.end());
    Session session{store, ui, folder.path()};
    if (c.failed_rename > 0) InjectFileFault(FileOperation::Rename, c.failed_rename);
    EXPECT_EQ(OfferSeasonForEmptyFolder(session), c.goes_on);
    ClearFileFaults();
    EXPECT_EQ(ui.questions.size(), c.choices.size());
    SeasonStore loaded;
    EXPECT_EQ(ReadSettings(loaded, folder.path()), c.year != 0);
    EXPECT_EQ(loaded.WorkingYear, c.year);
    if (c.goes_on) {
      EXPECT_TRUE(ReadNames(loaded, folder.path()));
      LoadAtStartup(store, folder.path(), ui, ui.printer);
    }
    EXPECT_EQ(ui.messages.size(), c.messages);
  }
  // A folder that holds a season is not asked about.
  TempFolder folder;
  WriteFileBytes(folder.path() / "TavNM.dat", "\"Buffalo\"\r\n");
  SeasonStore store;
  ScriptedUi ui;
  Session session{store, ui, folder.path()};
  EXPECT_TRUE(OfferSeasonForEmptyFolder(session));
  EXPECT_TRUE(ui.questions.empty());
}

// Catches a font matched loosely, or kept when the printer offers no fonts at all.
TEST(StartupLoading, ReportFontMustMatchAPrinterFontExactly) {
  const std::pair<const char*, const char*> cases[] = {
      {"Courier New", "Courier New"}, {"courier new", ""}, {"Lucida Console", ""}};
  ScriptedUi ui;  // its printer offers "Courier New", "Arial", "Times New Roman"
  SeasonStore store;
  for (const auto& [font, kept] : cases) {
    store.ReportFont = font;
    ForgetMissingReportFont(store, ui.printer);
    EXPECT_EQ(store.ReportFont, kept) << font;
  }
  ui.printer.fonts.clear();
  store.ReportFont = "Arial";
  ForgetMissingReportFont(store, ui.printer);
  EXPECT_EQ(store.ReportFont, "");
}

}  // namespace
}  // namespace tavrin
