// The demo season: written whole or not at all and never over a user's data, its schedule in
// the league's rules for every seed, and read back by the program.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>

#include "demo/demo_folder.h"
#include "demo/demo_random.h"
#include "demo/demo_schedule.h"
#include "demo/demo_season.h"
#include "demo/demo_teams.h"
#include "demo/first_season_start.h"
#include "engine/season_fixture.h"
#include "entry/score_entry.h"
#include "season/data_files.h"
#include "season/file_io.h"
#include "season/league.h"
#include "season/season_csv.h"
#include "support/scripted_ui.h"
#include "support/temp_folder.h"

namespace tavrin::demo {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::ScriptedUi;
using testing::TempFolder;
using testing::WriteFileBytes;

std::vector<std::string> Entries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

// A scratch folder, a store and the scripted user.
using DemoFolder = testing::SeasonFixture;
using DemoSeason = testing::SeasonFixture;

TEST_F(DemoFolder, RefusesAFolderHoldingAnyDataFileAndLeavesItAlone) {
  for (const char* name : {"TavSE.dat", "TavNM.dat", "TVSC1999.dat", "TVSt2003.dat"}) {
    SCOPED_TRACE(name);
    TempFolder folder;
    WriteFileBytes(folder.path() / name, "the user's own season");
    ScriptedUi ui;
    EXPECT_EQ(WriteDemoSeason(folder.path(), DemoOptions{}, ui), CommandResult::Refused);
    EXPECT_EQ(Entries(folder.path()), std::vector<std::string>{name});
    EXPECT_EQ(ReadFileBytes(folder.path() / name), "the user's own season");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find(name), std::string::npos) << ui.messages[0].text;
  }
}

// Catches a failed step leaving files or its scratch folder behind, and bad options written.
TEST_F(DemoFolder, AFailedStepLeavesNothingBehindAndSaysWhy) {
  // The operation that fails, and on which turn (0: none, but 40 weeks played).
  for (const auto& [operation, nth] : {std::pair(FileOperation::Open, 0),
                                       {FileOperation::Open, 2},
                                       {FileOperation::Write, 3},
                                       {FileOperation::Flush, 1},
                                       {FileOperation::Rename, 1}}) {
    SCOPED_TRACE(::testing::Message() << static_cast<int>(operation) << " #" << nth);
    TempFolder folder;
    ScriptedUi ui;
    if (nth > 0) InjectFileFault(operation, nth);
    const DemoOptions options{2000, 1, nth > 0 ? 8 : 40};
    EXPECT_EQ(WriteDemoSeason(folder.path(), options, ui),
              nth > 0 ? CommandResult::NotSaved : CommandResult::Refused);
    ClearFileFaults();
    EXPECT_TRUE(Entries(folder.path()).empty()) << "no data file and no temporary file";
    EXPECT_FALSE(ui.messages.empty());
  }
}

// The golden 1999 case starts from a made-up block 0 over 1999's real first week; the demo's
// first season is started the same way, so with that week it must give the same files.
TEST_F(DemoSeason, FirstSeasonStartMatchesTheGoldenStartFolder) {
  const fs::path data = testing::TestDataDir();
  for (int t = 1; t <= LeagueTeamCount; ++t) {
    store.LocationName[t] = DemoTeams()[t - 1].location;
    store.TeamName[t] = DemoTeams()[t - 1].nickname;
  }
  ASSERT_TRUE(WriteNames(store, folder.path()));
  std::vector<CsvProblem> problems;
  const SeasonCsv season =
      ReadSeasonCsv(ReadFileBytes(data / "seasons" / "1999.csv"), 17, problems);
  ASSERT_TRUE(problems.empty());
  for (const CsvGame& game : season.weeks.at(1)) {
    store.GameFirstTeam[game.slot] = static_cast<int16_t>(game.visitor);
    store.GameSecondTeam[game.slot] = static_cast<int16_t>(game.home);
    store.GameDay[game.slot] = static_cast<int16_t>(game.day);
  }
  store.WeekGameCount = static_cast<int16_t>(season.weeks.at(1).size());
  ASSERT_TRUE(WriteScheduleWeek(store, folder.path(), 1));
  ASSERT_TRUE(WriteFirstSeasonStart(session));
  const fs::path golden = data / "golden" / "1999" / "start";
  for (const char* name : {"TavSE.dat", "TavNM.dat", "TVSt1999.dat"})
    EXPECT_EQ(ReadFileBytes(folder.path() / name), ReadFileBytes(golden / name)) << name;
}

void ExpectLeagueRules(const std::vector<DemoWeek>& season, uint64_t seed) {
  SCOPED_TRACE(::testing::Message() << "seed " << seed);
  ASSERT_EQ(season.size(), static_cast<std::size_t>(DemoWeekCount));
  std::array<int, LeagueTeamCount + 1> games{}, home{};
  std::map<std::pair<int, int>, int> meetings;  // (visitor, home)
  for (int w = 1; w <= DemoWeekCount; ++w) {
    const DemoWeek& week = season[w - 1];
    ASSERT_FALSE(week.empty()) << "week " << w;
    for (const DemoGame& game : week) {
      ASSERT_TRUE(IsTeamNumber(game.first) && IsTeamNumber(game.second));
      ++games[game.first];
      ++games[game.second];
      ++home[game.second];
      ++meetings[{game.first, game.second}];
      EXPECT_TRUE(w >= 12 || (game.day != 5 && game.day != 7)) << "midweek games come late";
    }
    EXPECT_EQ(week.back().day, 2) << "the Monday night game closes week " << w;
  }
  for (int t = 1; t <= LeagueTeamCount; ++t) {
    EXPECT_EQ(games[t], DemoGamesPerTeam) << "team " << t;
    EXPECT_EQ(home[t], DemoGamesPerTeam / 2) << "team " << t;
  }
  for (int a = 1; a <= LeagueTeamCount; ++a) {
    for (int b = a + 1; b <= LeagueTeamCount; ++b) {
      const int there = meetings[{a, b}], back = meetings[{b, a}];
      if (league::SameDivision(a, b)) {
        EXPECT_TRUE(there == 1 && back == 1) << a << " and " << b << " meet home and away";
      } else {
        EXPECT_LE(there + back, 1) << a << " and " << b;
      }
    }
  }
}

TEST(DemoSchedule, KeepsTheLeagueRulesForManySeeds) {
  for (uint64_t seed = 0; seed < 40; ++seed) ExpectLeagueRules(MakeDemoSchedule(seed), seed);
  ExpectLeagueRules(MakeDemoSchedule(0xFFFFFFFFFFFFFFFFULL), 0xFFFFFFFFFFFFFFFFULL);
}

TEST(DemoRandom, NumbersAreTheSameEverywhere) {
  // splitmix64's published first outputs for seed 0 pin the generator down on every platform.
  DemoRandom rng(0);
  EXPECT_EQ(rng.Next(), 0xE220A8397B1DCDAFULL);
  EXPECT_EQ(rng.Next(), 0x6E789E6AA1B965F4ULL);
}

// Catches other files taken for a season, a new season that does not follow a season played, a
// played week without its scores, and score entry not picking up after the played weeks.
TEST_F(DemoSeason, WritesBesideOtherFilesAndOpensTheWeekAfterThosePlayed) {
  WriteFileBytes(folder.path() / "notes.txt", "kept");
  ASSERT_EQ(WriteDemoSeason(folder.path(), DemoOptions{}, ui), CommandResult::Done);
  EXPECT_EQ(Entries(folder.path()),
            (std::vector<std::string>{"TVSC1999.dat", "TVSC2000.dat", "TVSt1999.dat",
                                      "TVSt2000.dat", "TavNM.dat", "TavSE.dat", "notes.txt"}));
  ASSERT_TRUE(ReadSettings(store, folder.path()));
  store.TeamCount = LeagueTeamCount;
  ASSERT_TRUE(ReadNames(store, folder.path()));
  ASSERT_TRUE(LoadStatsBlockNumber(store, folder.path(), 0));
  const auto [low, high] =
      std::minmax_element(store.Cqr.begin() + 1, store.Cqr.begin() + LeagueTeamCount + 1);
  EXPECT_GT(*high - *low, 5.0);
  for (int week = 1; week <= 8; ++week) {
    LoadSchedule(week);
    ASSERT_TRUE(LoadStatsBlockNumber(store, folder.path(), week));
    for (int g = 1; g <= store.WeekGameCount; ++g)
      EXPECT_GT(store.FirstScore[g] + static_cast<int>(store.SecondScore[g]), 0) << week;
  }
  EXPECT_TRUE(OpenScoreEntry(session, 9));
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_FALSE(OpenScoreEntry(session, 10)) << "week 9 has not been scored";
}

// Catches the edges of the year and weeks-played ranges moved by one, and a usable edge not
// made into a season scored through its weeks played.
TEST_F(DemoSeason, OptionsOutsideTheirRangesAreRefusedAndTheEdgesMade) {
  const std::pair<DemoOptions, bool> cases[] = {
      {{1997, 1, 8}, false}, {{10000, 1, 8}, false}, {{2000, 1, -1}, false}, {{2000, 1, 18}, false},
      {{1998, 1, 0}, true},  {{2001, 9, 17}, true},  {{2002, 3, 2}, true}};
  for (const auto& [options, usable] : cases) {
    SCOPED_TRACE(::testing::Message() << options.year << " " << options.weeks_played);
    EXPECT_EQ(static_cast<bool>(CheckDemoOptions(options)), usable);
    if (!usable) continue;
    TempFolder into;
    ASSERT_TRUE(MakeDemoSeason(into.path(), options, ui));
    ASSERT_TRUE(ReadSettings(store, into.path()));
    EXPECT_EQ(std::pair(int{store.WorkingYear}, int{store.LastScoredWeek}),
              std::pair(options.year, options.weeks_played));
    EXPECT_EQ(std::filesystem::file_size(into.path() / StatisticsFileName(options.year)),
              std::uintmax_t{StatsRecordSize * TeamCountOfYear(options.year) *
                             (options.weeks_played + 1u)});
  }
}

}  // namespace
}  // namespace tavrin::demo
