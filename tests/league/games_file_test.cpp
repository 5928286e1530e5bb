// The community's games file, read one season at a time.

#include "league/games_file.h"

#include <fmt/format.h>
#include <fmt/ranges.h>
#include <gtest/gtest.h>

#include "league/season_league.h"
#include "support/temp_folder.h"

namespace tavrin {
namespace {

using testing::ReadFileBytes;
using testing::TestDataDir;

constexpr std::string_view Header =
    "season,game_type,week,gameday,weekday,away_team,away_score,home_team,home_score,location,"
    "spread_line,total_line\n";
constexpr std::string_view BuffaloAtJets =
    "2019,REG,1,2019-09-08,Sunday,BUF,17,NYJ,16,Home,-3,39.5\n";

std::string GamesOf(int year) {
  return ReadFileBytes(TestDataDir() / "seasons" / "modern" / fmt::format("games_{}.csv", year));
}

// Every game of a season, a line each with all its fields, so that a difference names the game.
std::vector<std::string> Listed(const SeasonCsv& season) {
  const auto shown = [](const auto& value) { return value ? fmt::format("{}", *value) : "-"; };
  std::vector<std::string> games;
  for (const auto& [week, played] : season.weeks)
    for (const CsvGame& game : played)
      games.push_back(fmt::format("week {} slot {} day {}: {} at {} {}-{} spread {} total {}", week,
                                  game.slot, game.day, game.visitor, game.home,
                                  shown(game.visitor_score), shown(game.home_score),
                                  shown(game.spread), shown(game.total)));
  return games;
}

TEST(GamesFile, ARowGivesItsGameAndPostSeasonRowsAreSkipped) {
  const std::string text = std::string(Header) + std::string(BuffaloAtJets) +
                           "2019,REG,2,2019-09-15,Monday,NYG,,BUF,,Home,,\n" +
                           "2019,WC,18,2020-01-04,Saturday,BUF,19,HOU,22,Home,2.5,43\n";
  std::vector<CsvProblem> problems;
  const SeasonCsv season = ReadGamesFile(text, 2019, problems);
  ASSERT_TRUE(problems.empty());
  const auto team = [](const char* code) { return LeagueOf(2019)->TeamOfCode(code).value(); };
  EXPECT_EQ(Listed(season),
            (std::vector<std::string>{
                fmt::format("week 1 slot 1 day 1: {} at {} 17-16 spread -3 total 39.5", team("BUF"),
                            team("NYJ")),
                fmt::format("week 2 slot 1 day 2: {} at {} --- spread - total -", team("NYG"),
                            team("BUF"))}));
  EXPECT_EQ(season.weeks.at(1).at(0).line, 2);
}

TEST(GamesFile, ItsHeaderTellsItFromTheSeasonCsv) {
  EXPECT_TRUE(IsGamesFileHeader(GamesOf(2002)));
  EXPECT_TRUE(IsGamesFileHeader("\xEF\xBB\xBF" + std::string(Header)));
  EXPECT_FALSE(IsGamesFileHeader(ReadFileBytes(TestDataDir() / "seasons" / "1999.csv")));
  EXPECT_FALSE(IsGamesFileHeader(""));
}

// The header and a sound week-1 row with field `field` (from 0) written as `value`.
std::string WithField(std::size_t field, const std::string& value) {
  std::vector<std::string> fields{"2019", "REG", "1",  "x",    "Sunday", "BUF",
                                  "17",   "NYJ", "16", "Home", "-3",     "39.5"};
  fields[field] = value;
  return fmt::format("{}{}\n", Header, fmt::join(fields, ","));
}

TEST(GamesFile, AHostileFileIsRefusedAtItsLine) {
  const std::string head(Header);
  const std::string game(BuffaloAtJets);
  const std::tuple<std::string, int, int, const char*> cases[] = {
      {"", 2019, 1, "the file is empty"},
      {head + game + "2019,REG,2,2019-09-15,Sunday,NYG,14,BUF,28,Home,1.5\n", 2019, 3,
       "11 fields, the header has 12"},
      {head + game + std::string(100000, ','), 2019, 3, "100001 fields, the header has 12"},
      {std::string(300, ',') + "\n" + game, 2019, 1, "the header has more than 256 columns"},
      {"season,game_type,week,away_team,away_score,home_team,home_score\n", 2019, 1,
       "the header has no weekday column"},
      {WithField(1, "\"REG"), 2019, 2, "field 2 opens a quote it does not close"},
      {WithField(5, "LV"), 2019, 2, "away_team \"LV\" is not a team of 2019"},
      {WithField(7, "XYZ"), 2019, 2, "home_team \"XYZ\" is not a team of 2019"},
      {WithField(2, "1.5"), 2019, 2, "week \"1.5\" is not a whole number"},
      {WithField(2, "18"), 2019, 2, "week \"18\" is not a week of 2019 (1 to 17)"},
      {WithField(6, "-17"), 2019, 2, "away_score \"-17\" is not a score (0 to 999)"},
      {WithField(8, ""), 2019, 2, "home_score is empty but away_score is not"},
      {WithField(10, "abc"), 2019, 2, "spread_line \"abc\" is not a number"},
      {WithField(0, "20x9"), 2019, 2, "season \"20x9\" is not a whole number"},
      {WithField(1, "PRE"), 2019, 2, "game_type \"PRE\" is not REG, WC, DIV, CON or SB"},
      {WithField(4, "Sun"), 2019, 2, "weekday \"Sun\" is not a day's name"},
      {WithField(7, "BUF"), 2019, 2, "BUF would play itself"},
      {head + game + "2019,REG,1,x,Monday,MIA,7,BUF,9,Home,1,40\n", 2019, 3,
       "BUF already plays in week 1 on line 2"},
      {head + game, 2020, 0, "the file holds no regular-season games of 2020"},
      {head + game, 1998, 0, "there is no league of 1998"},
  };
  for (const auto& [text, year, line, problem] : cases) {
    std::vector<CsvProblem> problems;
    ReadGamesFile(text, year, problems);
    ASSERT_EQ(problems.size(), 1u) << problem;
    EXPECT_EQ(problems.front().line, line) << problem;
    EXPECT_NE(problems.front().what.find(problem), std::string::npos) << problems.front().what;
  }
}

TEST(GamesFile, RowsOfOtherSeasonsAreCheckedOnlyForTheirShape) {
  const std::string text = std::string(Header) + std::string(BuffaloAtJets) +
                           "2018,REG,99,x,Someday,XYZ,a,LV,b,Home,c,d\n";
  std::vector<CsvProblem> problems;
  const SeasonCsv season = ReadGamesFile(text, 2019, problems);
  EXPECT_TRUE(problems.empty());
  EXPECT_EQ(season.weeks.size(), 1u);
}

TEST(GamesFile, AFileOfNothingButFaultsStopsBeingRead) {
  std::string text(Header);
  for (std::size_t row = 0; row < 2 * MaxCsvProblems; ++row) text += "2019,REG\n";
  std::vector<CsvProblem> problems;
  ReadGamesFile(text, 2019, problems);
  ASSERT_EQ(problems.size(), MaxCsvProblems + 1);
  EXPECT_NE(problems.back().what.find("reading stopped"), std::string::npos);
}

}  // namespace
}  // namespace tavrin
