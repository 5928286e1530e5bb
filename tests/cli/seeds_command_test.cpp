// The seeds of real seasons imported into empty folders from the community's games file.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli/tool_run.h"
#include "support/temp_folder.h"

namespace tavrin {
namespace {

namespace fs = std::filesystem;
using testing::RunTool;

std::vector<std::string> Split(const std::string& text, char at) {
  std::vector<std::string> parts;
  std::istringstream in(text);
  for (std::string part; std::getline(in, part, at);) parts.push_back(part);
  return parts;
}

// What the tool prints for `command` after a season imported afresh from its games file.
std::vector<std::string> AfterImport(int year, const std::string& command) {
  testing::TempFolder folder;
  const fs::path games =
      testing::TestDataDir() / "seasons" / "modern" / ("games_" + std::to_string(year) + ".csv");
  const auto import = RunTool(folder.path() / "season", "import --season " + std::to_string(year) +
                                                            " '" + games.string() + "'");
  EXPECT_EQ(import.status, 0) << import.output;
  // The import is one change, told of once, when it is saved.
  EXPECT_EQ(Split(import.output, '\n').size(), 1u) << import.output;
  return Split(RunTool(folder.path() / "season", command, "/dev/null", "").output, '\n');
}

// "AFC,1,KC,14,3,0" for each seed `seeds --csv` prints.
std::vector<std::string> ImportedSeeds(int year) {
  std::vector<std::string> seeds;
  for (const std::string& line : AfterImport(year, "seeds --csv")) {
    const auto f = Split(line, ',');
    seeds.push_back(f[0] + "," + f[1] + "," + f[3] + "," + f[4] + "," + f[5] + "," + f[6]);
  }
  return seeds;
}

// Catches a seed, its order or a record that differs from the league's, in every era's format.
TEST(SeedsCommand, RealSeasonsImportedAfreshGiveTheLeaguesSeedsAndRecords) {
  std::map<int, std::map<std::string, std::string>> real;  // year -> "AFC,1" -> the seed's row
  const fs::path file = testing::TestDataDir() / "seasons" / "modern" / "standings.csv";
  for (const std::string& line : Split(testing::ReadFileBytes(file), '\n')) {
    const auto f = Split(line, ',');  // season,conf,division,team,wins,losses,ties,...,seed,...
    if (f.size() > 14 && !f[14].empty() && f[0] != "season")
      real[std::stoi(f[0])][f[1] + "," + f[14]] = f[3] + "," + f[4] + "," + f[5] + "," + f[6];
  }
  for (int year : {2002, 2019, 2020, 2022}) {
    std::vector<std::string> expected{"conference,seed,code,won,lost,tied"};
    for (const auto& [place, row] : real[year]) expected.push_back(place + "," + row);
    EXPECT_EQ(ImportedSeeds(year), expected) << year;
  }
}

// Catches the 31-team league's seeding changed, or its tie reasons lost: 1999 as seeded.
TEST(SeedsCommand, The1999SeasonKeepsItsSeeding) {
  const std::vector<std::string> seeds = ImportedSeeds(1999);
  std::string codes;
  for (std::size_t at = 1; at < seeds.size(); ++at) codes += Split(seeds[at], ',')[2] + " ";
  EXPECT_EQ(codes, "JAX IND SEA TEN BUF MIA STL TB WAS MIN DAL DET ");
  // A seed taken in a tie says by what: Detroit beat St. Louis in week 8.
  const auto week9 = AfterImport(1999, "seeds 9");
  EXPECT_NE(std::find(week9.begin(), week9.end(),
                      " 1  Detroit       DET   6- 2-0  Detroit over St. Louis: head-to-head"),
            week9.end());
}

// Catches the standings laid out by the 31-team league's divisions: the NFC North of 2022.
TEST(SeedsCommand, StandingsOfA32TeamSeasonListItsDivisionsOfFour) {
  const std::vector<std::string> lines = AfterImport(2022, "standings 18");
  auto north = std::find(lines.begin(), lines.end(), "   North");
  north = std::find(north + 1, lines.end(), "   North");
  ASSERT_GE(std::distance(north, lines.end()), 5);
  std::string clubs;
  for (auto line = north + 1; line != north + 5; ++line) clubs += line->substr(0, 12) + "|";
  EXPECT_EQ(clubs, "Minnesota   |Detroit     |Green Bay   |Chicago     |");
}

// Catches a season of 31 teams with a working year of the 32-team league read as one of 32: the
// 1999 season kept as 2005.
TEST(SeedsCommand, A31TeamSeasonOfALaterYearIsReadAsItWasWritten) {
  testing::TempFolder folder;
  const fs::path golden = testing::TestDataDir() / "golden" / "1999";
  folder.CopyFilesFrom(golden / "final");
  for (const std::string file : {"TVSC", "TVSt"})
    fs::rename(folder.path() / (file + "1999.dat"), folder.path() / (file + "2005.dat"));
  std::string settings = testing::ReadFileBytes(folder.path() / "TavSE.dat");
  testing::WriteFileBytes(folder.path() / "TavSE.dat", settings.replace(0, 4, "2005"));
  std::string expected = testing::ReadFileBytes(golden / "reports" / "standings_week_17.txt");
  expected.replace(expected.find("1999"), 4, "2005");
  EXPECT_EQ(RunTool(folder.path(), "standings 17").output, expected);
}

}  // namespace
}  // namespace tavrin
