// The main window's load step over real and broken data folders: the store it leaves, the week
// menus it asks for, the report font check and the loading failure message.

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

TEST(StartupLoading, FinalSeasonFillsTheStoreAndBuildsSeventeenWeeks) {
  TAVRIN_REQUIRE_SHARED_DATA();
  TempFolder folder;
  folder.CopyFilesFrom(testing::SharedDataDir() / "golden/1999/final");
  SeasonStore store;
  ScriptedUi ui;
  const WeekMenuCaptions menus = LoadAtStartup(store, folder.path(), ui, ui.printer);

  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(store.WorkingYear, 1999);
  EXPECT_EQ(store.WeeksInSeason, 17);
  EXPECT_EQ(store.LastScoredWeek, 17);
  EXPECT_EQ(store.TeamCount, 31);
  EXPECT_FALSE(store.LocationName[1].empty());
  EXPECT_FALSE(store.TeamName[31].empty());

  EXPECT_EQ(menus.schedules, Weeks("Week # 1", 2, 17));
  EXPECT_EQ(menus.standings, Weeks("Week # 1", 2, 17));
  EXPECT_EQ(menus.scores, Weeks("Week #1", 2, 17));
  EXPECT_EQ(menus.predictions, Weeks("Week #1", 2, 17));
  EXPECT_EQ(menus.results, Weeks("Week #1", 2, 17));
  EXPECT_EQ(menus.statistics, Weeks("Start of Season", 1, 17));
}

TEST(StartupLoading, MissingFilesAreReportedOnceAndLoadingCarriesOn) {
  TempFolder folder;
  SeasonStore store;
  ScriptedUi ui;
  const WeekMenuCaptions menus = LoadAtStartup(store, folder.path(), ui, ui.printer);

  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text,
            "Cannot Load file TavSE.dat or TavNM.dat.\n\rPlease exit and check working "
            "directory.\n\r\n\r");
  EXPECT_EQ(ui.messages[0].caption, "Tavrin Loading....");
  EXPECT_EQ(store.TeamCount, 31);
  EXPECT_EQ(menus.schedules, std::vector<std::string>{"Week # 1"});
  EXPECT_EQ(menus.statistics, std::vector<std::string>{"Start of Season"});
  // Nothing is created in the folder by loading.
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST(StartupLoading, ShortNamesFileIsReportedAfterTheSettingsAreRead) {
  TempFolder folder;
  WriteFileBytes(folder.path() / "TavSE.dat", "98\r\n100\r\n120\r\n\r\n3\r\n\"Arial\"\r\n16\r\n");
  WriteFileBytes(folder.path() / "TavNM.dat", "\"Buffalo\"\r\n\"Miami\"\r\n");
  SeasonStore store;
  ScriptedUi ui;
  const WeekMenuCaptions menus = LoadAtStartup(store, folder.path(), ui, ui.printer);

  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].caption, "Tavrin Loading....");
  EXPECT_EQ(store.WorkingYear, 1998);
  EXPECT_EQ(store.Weighting, 120.0f);
  EXPECT_EQ(store.ReportFont, "Arial");
  EXPECT_EQ(menus.predictions.size(), 16u);
  EXPECT_EQ(menus.statistics.back(), "Week # 16");
}

TEST(StartupLoading, AFolderWithoutASeasonOffersTheDemoANewSeasonOrQuitting) {
  const struct {
    std::vector<int> choices;  // 0 demo, 1 new season, 2 quit
    std::vector<std::optional<std::string>> years;
    bool goes_on;
    int16_t year;  // the settings file's year afterwards; 0 when there is none
  } cases[] = {{{2}, {}, false, 0},
               {{1, 2}, {std::nullopt}, false, 0},
               {{1, 1}, {"20", "2003"}, true, 2003},
               {{0}, {}, true, 2000}};
  for (const auto& c : cases) {
    TempFolder folder;
    SeasonStore store;
    ScriptedUi ui;
    ui.choices.assign(c.choices.begin(), c.choices.end());
    ui.inputs.assign(c.years.begin(), c.years.end());
    Session session{store, ui, folder.path()};
    EXPECT_EQ(OfferSeasonForEmptyFolder(session), c.goes_on);
    EXPECT_EQ(ui.questions.size(), c.choices.size());
    SeasonStore loaded;
    EXPECT_EQ(ReadSettings(loaded, folder.path()), c.year != 0);
    EXPECT_EQ(loaded.WorkingYear, c.year);
    if (c.goes_on) {
      EXPECT_TRUE(ReadNames(loaded, folder.path()));
      LoadAtStartup(store, folder.path(), ui, ui.printer);
    }
    EXPECT_TRUE(ui.messages.size() == (c.years.size() > 1 ? 1u : 0u));  // the refused year
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

TEST(StartupLoading, WeekMenusForShortAndDamagedSeasonLengths) {
  for (const int weeks : {-3, 0, 1}) {
    const WeekMenuCaptions menus = BuildWeekMenuCaptions(weeks);
    EXPECT_EQ(menus.scores, std::vector<std::string>{"Week #1"}) << weeks;
    EXPECT_EQ(menus.results, std::vector<std::string>{"Week #1"}) << weeks;
    EXPECT_EQ(menus.statistics.size(), weeks == 1 ? 2u : 1u) << weeks;
  }
  const WeekMenuCaptions two = BuildWeekMenuCaptions(2);
  EXPECT_EQ(two.schedules, (std::vector<std::string>{"Week # 1", "Week # 2"}));
  EXPECT_EQ(two.statistics, (std::vector<std::string>{"Start of Season", "Week # 1", "Week # 2"}));

  const WeekMenuCaptions huge = BuildWeekMenuCaptions(32767);
  EXPECT_EQ(huge.standings.size(), static_cast<std::size_t>(MaxMenuWeeks));
  EXPECT_EQ(huge.standings.back(), "Week # 99");
  EXPECT_EQ(huge.statistics.back(), "Week # 99");
}

}  // namespace
// Catches a new season left half-written: settings without names would pass for a season.
TEST(StartupLoading, ANewSeasonWhoseNamesCannotBeWrittenLeavesTheFolderEmpty) {
  TempFolder folder;
  SeasonStore store;
  ScriptedUi ui;
  ui.choices = {1, 2};
  ui.inputs = {"2003"};
  Session session{store, ui, folder.path()};
  InjectFileFault(FileOperation::Rename, 2);  // the settings are renamed into place first
  EXPECT_FALSE(OfferSeasonForEmptyFolder(session));
  ClearFileFaults();
  EXPECT_FALSE(FolderHoldsSeason(folder.path()));
  EXPECT_EQ(ui.questions.size(), 2u);
}

}  // namespace tavrin
