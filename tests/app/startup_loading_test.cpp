// The main window's start-up: its load step over empty and broken folders, the offer an empty
// one gets and its first season, and the window's hold on its folder.

#include "app/startup_loading.h"

#include <fmt/format.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "app/new_season_command.h"
#include "app/season_file_commands.h"
#include "app/season_hold.h"
#include "app/season_offer.h"
#include "entry/schedule_save.h"
#include "entry/score_entry.h"
#include "league/season_league.h"
#include "season/data_files.h"
#include "season/file_io.h"
#include "season/season_change.h"
#include "support/scratch_session.h"

namespace tavrin {
namespace {

using testing::ReadFileBytes;
using testing::ScriptedUi;
using testing::TempFolder;
using testing::WriteFileBytes;

std::vector<std::string> Weeks(const char* first, int from, int to) {
  std::vector<std::string> captions{first};
  for (int week = from; week <= to; ++week) captions.push_back("Week # " + std::to_string(week));
  return captions;
}

// An empty folder, the season's store and the scripted user, as the window starts them.
struct StartupLoading : ::testing::Test, testing::ScratchSession {};
using NewSeasonCommand = StartupLoading;
using SeasonHold = StartupLoading;
using GamesFileChoice = StartupLoading;

// Catches a menu one week short or long, or a damaged season length taken as it stands.
TEST_F(StartupLoading, WeekMenusCountTheSeasonsWeeks) {
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

// Catches a failure reported twice, or one that stops the settings from being read.
TEST_F(StartupLoading, MissingFilesAreReportedOnceAndLoadingCarriesOn) {
  LoadAtStartup(store, folder.path(), ui, ui.printer);
  ASSERT_EQ(ui.OnlyMessage(),
            "Cannot Load file TavSE.dat or TavNM.dat.\n\rPlease exit and check working "
            "directory.\n\r\n\r");
  EXPECT_EQ(ui.messages[0].caption, "Tavrin Loading....");
  EXPECT_EQ(store.TeamCount, 31);
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));  // loading creates nothing
  // A names file cut short is reported once more, after the settings are read.
  WriteFileBytes(folder.path() / "TavSE.dat", "98\r\n100\r\n120\r\n\r\n3\r\n\"Arial\"\r\n16\r\n");
  WriteFileBytes(folder.path() / "TavNM.dat", "\"Buffalo\"\r\n\"Miami\"\r\n");
  LoadAtStartup(store, folder.path(), ui, ui.printer);
  EXPECT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(store.WorkingYear, 1998);
}

// Catches a new season left half-written: settings without names would pass for a season.
TEST_F(StartupLoading, AFolderWithoutASeasonOffersTheDemoANewSeasonOrQuitting) {
  // The choices (0 demo, 1 new season, 2 import, 3 quit), the years typed, whether it goes on,
  // the settings' year after (0: none), the messages (a refused year, a failed save), and the
  // rename that fails (the first puts the change's journal in place).
  const std::tuple<std::deque<int>, std::deque<std::optional<std::string>>, bool, int16_t,
                   std::size_t, int>
      cases[] = {{{3}, {}, false, 0, 0, 0},          {{1, 3}, {std::nullopt}, false, 0, 0, 0},
                 {{2, 3}, {}, false, 0, 0, 0},       {{1, 1}, {"20", "2003"}, true, 2003, 1, 0},
                 {{1, 3}, {"2003"}, false, 0, 1, 1}, {{0}, {}, true, 2000, 0, 0}};
  for (const auto& [choices, years, goes_on, year, messages, failed_rename] : cases) {
    testing::ScratchSession fresh;
    fresh.ui.choices = choices;
    fresh.ui.inputs = years;
    if (failed_rename > 0) InjectFileFault(FileOperation::Rename, failed_rename);
    EXPECT_EQ(OfferSeasonForEmptyFolder(fresh.session), goes_on);
    ClearFileFaults();
    EXPECT_EQ(fresh.ui.questions.size(), choices.size());
    SeasonStore loaded;
    EXPECT_EQ(ReadSettings(loaded, fresh.folder.path()), year != 0);
    EXPECT_EQ(loaded.WorkingYear, year);
    if (goes_on) {
      EXPECT_TRUE(ReadNames(loaded, fresh.folder.path()));
      LoadAtStartup(fresh.store, fresh.folder.path(), fresh.ui, fresh.ui.printer);
    }
    EXPECT_EQ(fresh.ui.messages.size(), messages);
  }
  // An empty folder another program holds: nothing could be saved there, so nothing is offered.
  MarkSeasonReadOnly(folder.path(), "in use by tavrin-cli");
  EXPECT_FALSE(OfferSeasonForEmptyFolder(session));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
  // A folder that holds a season is not asked about.
  WriteFileBytes(folder.path() / "TavNM.dat", "\"Buffalo\"\r\n");
  EXPECT_TRUE(OfferSeasonForEmptyFolder(session));
  EXPECT_TRUE(ui.questions.empty());
}

// A block whose bytes were overwritten is named once, at start-up, with the weeks it spoils.
TEST_F(StartupLoading, ADamagedBlockIsNamedOnceWithTheWeeksToEnterAgain) {
  folder.CopyFilesFrom(testing::TestDataDir() / "golden" / "1999" / "final");
  LoadAtStartup(store, folder.path(), ui, ui.printer);
  EXPECT_TRUE(ui.messages.empty());

  std::string bytes = ReadFileBytes(folder.path() / "TVSt1999.dat");
  const std::size_t block_5 = 5 * StatsBlockSize;
  bytes.replace(block_5, StatsRecordSize, StatsRecordSize, '\xff');
  WriteFileBytes(folder.path() / "TVSt1999.dat", bytes);
  LoadAtStartup(store, folder.path(), ui, ui.printer);
  EXPECT_EQ(ui.OnlyMessage(),
            "TVSt1999.dat is damaged at Week # 5;\n\rthe scores of Week # 5 to Week # 17 must be "
            "entered again.");
}

// Catches an empty folder's import that loses the file's year or its scored weeks, or that
// leaves a half-made season behind a file refused part-way.
TEST_F(StartupLoading, AFolderWithoutASeasonCanImportASeasonFile) {
  struct ChoosingUi : ScriptedUi {
    std::filesystem::path file;
    std::optional<std::string> ChooseFileToOpen(const std::string&, const std::string&) override {
      return file.string();
    }
  };
  TempFolder inputs;
  std::string damaged = testing::ReadFileBytes(testing::TestDataDir() / "seasons" / "1999.csv");
  damaged.replace(damaged.find("\n1999,9,"), 9, "\n1999,9,x");  // a slot of week 9 is no number
  WriteFileBytes(inputs.path() / "damaged.csv", damaged);
  const auto seasons = testing::TestDataDir() / "seasons";
  // the file, the year it makes (0: refused whole), its weeks
  for (const auto& [file, year, weeks] : {std::tuple(seasons / "1999.csv", 1999, 17),
                                          {inputs.path() / "damaged.csv", 0, 0},
                                          {seasons / "modern/games_2022.csv", 2022, 18}}) {
    const bool whole = year != 0;
    ChoosingUi ui;
    ui.file = file;
    TempFolder folder;
    SeasonStore store;
    Session session{store, ui, folder.path()};
    ui.choices = {static_cast<int>(EmptyFolderChoice::ImportSeason),
                  static_cast<int>(EmptyFolderChoice::Quit)};
    EXPECT_EQ(OfferSeasonForEmptyFolder(session), whole);
    EXPECT_EQ(std::filesystem::is_empty(folder.path()), !whole) << file;
    if (!whole) continue;
    // One change, told of once it is saved.
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              fmt::format("Season {} imported from {}: {} weeks of schedules, {} weeks of scores.",
                          year, file.filename().string(), weeks, weeks));
    SeasonStore loaded;
    ASSERT_TRUE(ReadSettings(loaded, folder.path()));
    EXPECT_EQ(loaded.WorkingYear, year);
    EXPECT_EQ(loaded.LastScoredWeek, weeks);
    EXPECT_TRUE(ReadNames(loaded, folder.path()));
  }
}

// Catches a font matched loosely, or kept when the printer offers no fonts at all.
TEST_F(StartupLoading, ReportFontMustMatchAPrinterFontExactly) {
  // The scripted printer offers "Courier New", "Arial", "Times New Roman"; then none.
  const std::tuple<const char*, bool, const char*> cases[] = {{"Courier New", true, "Courier New"},
                                                              {"courier new", true, ""},
                                                              {"Lucida Console", true, ""},
                                                              {"Arial", false, ""}};
  for (const auto& [font, offered, kept] : cases) {
    if (!offered) ui.printer.fonts.clear();
    store.ReportFont = font;
    ForgetMissingReportFont(store, ui.printer);
    EXPECT_EQ(store.ReportFont, kept) << font;
  }
}

TEST_F(NewSeasonCommand, AFirstSeasonSaysWhatItNeedsThenStartsEvenlyRated) {
  ui.choices = {static_cast<int>(EmptyFolderChoice::NewSeason)};
  ui.inputs = {"2003"};
  ASSERT_TRUE(OfferSeasonForEmptyFolder(session));
  ASSERT_TRUE(ReadSettings(store, folder.path()));
  ASSERT_TRUE(ReadNames(store, folder.path()));
  // A season of the 32-team league starts with its year's clubs.
  for (int team = 1; team <= MostLeagueTeams; ++team)
    EXPECT_EQ(store.TeamName[team], LeagueOf(2003)->Team(team).nickname) << team;

  EXPECT_EQ(RunNewSeasonCommand(session), CommandResult::Refused);
  EXPECT_EQ(ui.OnlyMessage(),
            "2003 is the first season in this folder: there is no season 2002 to carry the "
            "ratings from.\n\rEnter the schedule of Week # 1 first (Schedules, Enter / Edit "
            "Schedule), then choose New Season Setup again.");

  std::vector<ScheduledGame> week_one;
  for (int16_t team = 1; team < 2 * MinGamesToSave; team += 2)
    week_one.push_back({team, int16_t(team + 1), 1});
  ASSERT_TRUE(SaveScheduleWeek(session, "1", week_one));
  ui.answers = {false};
  EXPECT_EQ(RunNewSeasonCommand(session), CommandResult::Declined);
  EXPECT_FALSE(CheckScoreEntryBlock(session, 1));
  EXPECT_EQ(RunNewSeasonCommand(session), CommandResult::Done);
  EXPECT_EQ(ui.messages.back().text, "Season 2003 is ready for the scores of Week # 1.");
  const std::size_t told = ui.messages.size();
  EXPECT_TRUE(CheckScoreEntryBlock(session, 1));  // the block that opens week 1 is there
  EXPECT_EQ(ui.messages.size(), told);
}

constexpr std::chrono::milliseconds NoPatience(0);

// Catches a window that reads a half-finished change, or that keeps no lock for a tool to meet.
TEST_F(SeasonHold, AFreeFolderIsLockedAndAnInterruptedChangeFinishedFirst) {
  WriteFileBytes(folder.path() / (".A.dat" + std::string(StagedSuffix)), "new a");
  WriteFileBytes(folder.path() / JournalFileName, "tavrin change\nA.dat\nend\n");
  const auto lock = HoldSeasonFolder(folder.path(), ui, NoPatience);
  ASSERT_TRUE(lock);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(ReadFileBytes(folder.path() / "A.dat"), "new a");
  EXPECT_FALSE(std::filesystem::exists(folder.path() / JournalFileName));
  EXPECT_FALSE(SeasonLock::Acquire(folder.path(), ToolProgramName, NoPatience));
}

// Catches a second window, or one beside a running tool, saving over the other's changes.
TEST_F(SeasonHold, AFolderInUseOpensReadOnlyAndSaysByWhom) {
  WriteFileBytes(folder.path() / SettingsFileName, "kept");
  const auto tool = SeasonLock::Acquire(folder.path(), ToolProgramName, NoPatience);
  ASSERT_TRUE(tool);
  EXPECT_FALSE(HoldSeasonFolder(folder.path(), ui, NoPatience));
  ASSERT_EQ(ui.messages.size(), 1u);
  const std::string in_use = "The season in " + folder.path().string() +
                             " is in use by tavrin-cli (process " + std::to_string(::getpid()) +
                             ")";
  EXPECT_EQ(ui.messages[0].text.rfind(in_use + ".\n\rTavrin opens the season read-only", 0), 0u)
      << ui.messages[0].text;
  store.WorkingYear = 1999;
  const auto saved = WriteSettings(store, folder.path());
  ASSERT_FALSE(saved);
  EXPECT_EQ(saved.failure(), in_use + "; this window only shows the season");
  EXPECT_EQ(ReadFileBytes(folder.path() / SettingsFileName), "kept");
}

constexpr std::string_view TwoSeasons =
    "season,game_type,week,gameday,weekday,away_team,away_score,home_team,home_score\n"
    "1999,REG,1,x,Sunday,BUF,1,MIA,2\n2000,REG,1,x,Sunday,BUF,1,MIA,2\n";

// Catches a question asked of a file with one season, a year the file lacks taken, and the
// offered year not the working one.
TEST_F(GamesFileChoice, AFileOfSeveralSeasonsAsksWhichAndRefusesOneItLacks) {
  store.WorkingYear = 1999;
  const struct {
    std::optional<std::string> answer;
    std::optional<int> year;
  } cases[] = {{"2000", 2000}, {" 1999 ", 1999}, {"1998", {}}, {"20x0", {}}, {{}, {}}};
  for (const auto& c : cases) {
    ui.inputs = {c.answer};
    ui.input_prompts.clear();
    ui.messages.clear();
    EXPECT_EQ(ChooseGamesFileSeason(session, TwoSeasons), c.year) << c.answer.value_or("cancel");
    ASSERT_EQ(ui.input_prompts.size(), 1u);
    EXPECT_EQ(ui.input_prompts[0], "The file holds the seasons 1999 to 2000. Which season?");
    EXPECT_EQ(ui.messages.size(), c.answer && !c.year ? 1u : 0u);
  }
  ui.input_prompts.clear();
  EXPECT_EQ(ChooseGamesFileSeason(session, TwoSeasons.substr(0, TwoSeasons.rfind("2000,"))), 1999);
  EXPECT_TRUE(ui.input_prompts.empty());
}

}  // namespace
}  // namespace tavrin
