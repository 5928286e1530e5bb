// The seeds of real seasons imported into empty folders from the community's games file.

#include <gtest/gtest.h>

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

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream parts(line);
  for (std::string field; std::getline(parts, field, ',');) fields.push_back(field);
  return fields;
}

// "AFC,1,KC,14,3,0" for each seed `seeds --csv` prints, after a season imported afresh.
std::vector<std::string> ImportedSeeds(int year) {
  testing::TempFolder folder;
  const fs::path games =
      testing::TestDataDir() / "seasons" / "modern" / ("games_" + std::to_string(year) + ".csv");
  const auto import = RunTool(folder.path() / "season", "import --season " + std::to_string(year) +
                                                            " '" + games.string() + "'");
  EXPECT_EQ(import.status, 0) << import.output;
  std::istringstream lines(
      RunTool(folder.path() / "season", "seeds --csv", "/dev/null", "").output);
  std::vector<std::string> seeds;
  for (std::string line; std::getline(lines, line);) {
    const auto f = Fields(line);
    seeds.push_back(f[0] + "," + f[1] + "," + f[3] + "," + f[4] + "," + f[5] + "," + f[6]);
  }
  return seeds;
}

// Catches a seed, its order or a record that differs from the league's, in every era's format.
TEST(SeedsCommand, RealSeasonsImportedAfreshGiveTheLeaguesSeedsAndRecords) {
  std::map<int, std::map<std::string, std::string>> real;  // year -> "AFC,1" -> the seed's row
  std::istringstream standings(
      testing::ReadFileBytes(testing::TestDataDir() / "seasons" / "modern" / "standings.csv"));
  for (std::string line; std::getline(standings, line);) {
    const auto f = Fields(line);  // season,conf,division,team,wins,losses,ties,...,seed,playoff
    if (f.size() > 14 && !f[14].empty() && f[0] != "season")
      real[std::stoi(f[0])][f[1] + "," + f[14]] = f[3] + "," + f[4] + "," + f[5] + "," + f[6];
  }
  for (int year : {2002, 2019, 2020, 2022}) {
    std::vector<std::string> expected{"conference,seed,code,won,lost,tied"};
    for (const auto& [place, row] : real[year]) expected.push_back(place + "," + row);
    EXPECT_EQ(ImportedSeeds(year), expected) << year;
  }
}

// Catches the 31-team league's seeding changed: 1999 as the league seeded it.
TEST(SeedsCommand, The1999SeasonKeepsItsSeeding) {
  const std::vector<std::string> seeds = ImportedSeeds(1999);
  std::string codes;
  for (std::size_t at = 1; at < seeds.size(); ++at) codes += Fields(seeds[at])[2] + " ";
  EXPECT_EQ(codes, "JAX IND SEA TEN BUF MIA STL TB WAS MIN DAL DET ");
}

}  // namespace
}  // namespace tavrin
