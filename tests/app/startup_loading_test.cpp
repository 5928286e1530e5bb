// The main window's load step over empty and broken data folders, and an empty one's offer.

#include "app/startup_loading.h"

#include <gtest/gtest.h>

#include "app/season_offer.h"
#include "season/data_files.h"
#include "season/file_io.h"
#include "season/season_change.h"
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
  // the season's weeks, the last week the menus offer
  for (const auto& [weeks, last] :
       {std::pair(-3, 1), {0, 1}, {1, 1}, {2, 2}, {17, 17}, {32767, MaxMenuWeeks}}) {
    const WeekMenuCaptions menus = BuildWeekMenuCaptions(weeks);
    EXPECT_EQ(menus.schedules, Weeks("Week # 1", 2, last)) << weeks;
    EXPECT_EQ(menus.standings, Weeks("Week # 1", 2, last)) << weeks;
    for (const auto* menu : {&menus.scores, &menus.predictions, &menus.results})
      EXPECT_EQ(*menu, Weeks("Week #1", 2, last)) << weeks;
    EXPECT_EQ(menus.statistics, Weeks("Start of Season", 1, weeks > 0 ? last : 0)) << weeks;
  }
}

TEST(StartupLoading, MissingFilesAreReportedOnceAndLoadingCarriesOn) {
  TempFolder folder;
  SeasonStore store;
  ScriptedUi ui;
  LoadAtStartup(store, folder.path(), ui, ui.printer);
  ASSERT_EQ(ui.OnlyMessage(),
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
    std::vector<int> choices;  // 0 demo, 1 new season, 2 import (nothing chosen here), 3 quit
    std::vector<std::optional<std::string>> years;
    bool goes_on;
    int16_t year;           // the settings file's year afterwards; 0 when there is none
    std::size_t messages;   // a refused year, a failed save
    int failed_rename = 0;  // the first rename puts the change's journal in place
  } cases[] = {{{3}, {}, false, 0, 0},
               {{1, 3}, {std::nullopt}, false, 0, 0},
               {{2, 3}, {}, false, 0, 0},
               {{1, 1}, {"20", "2003"}, true, 2003, 1},
               {{1, 3}, {"2003"}, false, 0, 1, 1},
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
  // An empty folder another program holds: nothing could be saved there, so nothing is offered.
  {
    TempFolder held;
    MarkSeasonReadOnly(held.path(), "in use by tavrin-cli");
    SeasonStore store;
    ScriptedUi ui;
    Session session{store, ui, held.path()};
    EXPECT_FALSE(OfferSeasonForEmptyFolder(session));
    EXPECT_TRUE(ui.questions.empty());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(std::filesystem::is_empty(held.path()));
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

// A block whose bytes were overwritten is named once, at start-up, with the weeks it spoils.
TEST(StartupLoading, ADamagedBlockIsNamedOnceWithTheWeeksToEnterAgain) {
  TempFolder folder;
  folder.CopyFilesFrom(testing::TestDataDir() / "golden" / "1999" / "final");
  SeasonStore store;
  ScriptedUi ui;
  LoadAtStartup(store, folder.path(), ui, ui.printer);
  EXPECT_TRUE(ui.messages.empty());

  std::string bytes = testing::ReadFileBytes(folder.path() / "TVSt1999.dat");
  const std::size_t block_5 = 5 * StatsBlockSize;
  bytes.replace(block_5, StatsRecordSize, StatsRecordSize, '\xff');
  WriteFileBytes(folder.path() / "TVSt1999.dat", bytes);
  LoadAtStartup(store, folder.path(), ui, ui.printer);
  EXPECT_EQ(ui.OnlyMessage(),
            "TVSt1999.dat is damaged at Week # 5;\n\rthe scores of Week # 5 to Week # 17 must be "
            "entered again.");
}

// Catches an empty folder's import that loses the file's year or its scored weeks.
TEST(StartupLoading, AFolderWithoutASeasonCanImportASeasonFile) {
  struct ChoosingUi : ScriptedUi {
    std::optional<std::string> ChooseFileToOpen(const std::string&, const std::string&) override {
      return (testing::TestDataDir() / "seasons" / "1999.csv").string();
    }
  } ui;
  TempFolder folder;
  SeasonStore store;
  Session session{store, ui, folder.path()};
  ui.choices = {static_cast<int>(EmptyFolderChoice::ImportSeason)};
  EXPECT_TRUE(OfferSeasonForEmptyFolder(session));
  // The schedules first, then the scores from the season's start.
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[1].text,
            "Season 1999 imported from 1999.csv: 17 weeks of schedules, 17 weeks of scores.");
  SeasonStore loaded;
  ASSERT_TRUE(ReadSettings(loaded, folder.path()));
  EXPECT_EQ(loaded.WorkingYear, 1999);
  EXPECT_EQ(loaded.LastScoredWeek, 17);
  EXPECT_TRUE(ReadNames(loaded, folder.path()));
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
