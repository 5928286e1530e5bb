// The community's games file read one season at a time: the 31-team seasons give the games of
// the program's own season files, and a hostile file is refused at the line that is wrong.

#include "league/games_file.h"

#include <fmt/format.h>
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

std::string WithoutHeader(const std::string& text) { return text.substr(text.find('\n') + 1); }

TEST(GamesFile, TheThirtyOneTeamSeasonsGiveTheGamesOfTheSeasonFiles) {
  for (const int year : {1999, 2000}) {
    std::vector<CsvProblem> problems;
    const SeasonCsv read = ReadGamesFile(GamesOf(year), year, problems);
    const std::string own = ReadFileBytes(TestDataDir() / "seasons" / fmt::format("{}.csv", year));
    const SeasonCsv expected = ReadSeasonCsv(own, LeagueOf(year)->weeks, problems);
    ASSERT_TRUE(problems.empty()) << year;
    ASSERT_EQ(read.weeks.size(), expected.weeks.size()) << year;
    for (const auto& [week, games] : expected.weeks) {
      ASSERT_EQ(read.weeks.at(week).size(), games.size()) << year << " week " << week;
      for (std::size_t i = 0; i < games.size(); ++i) {
        const CsvGame& got = read.weeks.at(week)[i];
        const CsvGame& want = games[i];
        const auto where = fmt::format("{} week {} slot {}", year, week, want.slot);
        EXPECT_EQ(got.slot, want.slot) << where;
        EXPECT_EQ(got.day, want.day) << where;
        EXPECT_EQ(got.visitor, want.visitor) << where;
        EXPECT_EQ(got.home, want.home) << where;
        EXPECT_EQ(got.visitor_score, want.visitor_score) << where;
        EXPECT_EQ(got.home_score, want.home_score) << where;
        EXPECT_EQ(got.spread, want.spread) << where;
        EXPECT_EQ(got.total, want.total) << where;
      }
    }
  }
}

TEST(GamesFile, OneSeasonIsPickedFromAFileOfMany) {
  const std::string both = GamesOf(2019) + WithoutHeader(GamesOf(2020));
  EXPECT_EQ(GamesFileSeasons(both), (std::vector<int>{2019, 2020}));
  std::vector<CsvProblem> problems;
  const SeasonCsv picked = ReadGamesFile(both, 2020, problems);
  const SeasonCsv alone = ReadGamesFile(GamesOf(2020), 2020, problems);
  ASSERT_TRUE(problems.empty());
  ASSERT_EQ(picked.weeks.size(), alone.weeks.size());
  for (const auto& [week, games] : alone.weeks) {
    ASSERT_EQ(picked.weeks.at(week).size(), games.size());
    for (std::size_t i = 0; i < games.size(); ++i) {
      EXPECT_EQ(picked.weeks.at(week)[i].visitor, games[i].visitor);
      EXPECT_EQ(picked.weeks.at(week)[i].home_score, games[i].home_score);
    }
  }
}

TEST(GamesFile, ARowGivesItsGameAndPostSeasonRowsAreSkipped) {
  const std::string text = std::string(Header) + std::string(BuffaloAtJets) +
                           "2019,REG,2,2019-09-15,Monday,NYG,,BUF,,Home,,\n" +
                           "2019,WC,18,2020-01-04,Saturday,BUF,19,HOU,22,Home,2.5,43\n";
  std::vector<CsvProblem> problems;
  const SeasonCsv season = ReadGamesFile(text, 2019, problems);
  ASSERT_TRUE(problems.empty());
  ASSERT_EQ(season.weeks.size(), 2u);
  const auto league = LeagueOf(2019);
  const CsvGame& first = season.weeks.at(1).at(0);
  EXPECT_EQ(first.line, 2);
  EXPECT_EQ(first.slot, 1);
  EXPECT_EQ(first.day, 1);
  EXPECT_EQ(first.visitor, league->TeamOfCode("BUF"));
  EXPECT_EQ(first.home, league->TeamOfCode("NYJ"));
  EXPECT_EQ(first.visitor_score, 17);
  EXPECT_EQ(first.home_score, 16);
  EXPECT_EQ(first.spread, -3.0);
  EXPECT_EQ(first.total, 39.5);
  const CsvGame& unplayed = season.weeks.at(2).at(0);
  EXPECT_EQ(unplayed.day, 2);
  EXPECT_FALSE(unplayed.visitor_score || unplayed.home_score || unplayed.spread);
}

TEST(GamesFile, ItsHeaderTellsItFromTheSeasonCsv) {
  EXPECT_TRUE(IsGamesFileHeader(GamesOf(2002)));
  EXPECT_TRUE(IsGamesFileHeader("\xEF\xBB\xBF" + std::string(Header)));
  EXPECT_FALSE(IsGamesFileHeader(ReadFileBytes(TestDataDir() / "seasons" / "1999.csv")));
  EXPECT_FALSE(IsGamesFileHeader(""));
}

struct Hostile {
  const char* name;
  std::string text;
  int year;
  int line;
  const char* problem;
};

TEST(GamesFile, AHostileFileIsRefusedAtItsLine) {
  const std::string head(Header);
  const std::string game(BuffaloAtJets);
  const Hostile cases[] = {
      {"empty", "", 2019, 1, "the file is empty"},
      {"short row", head + game + "2019,REG,2,2019-09-15,Sunday,NYG,14,BUF,28,Home,1.5\n", 2019, 3,
       "11 fields, the header has 12"},
      {"long row", head + game + std::string(100000, ','), 2019, 3,
       "100001 fields, the header has 12"},
      {"wide header", std::string(300, ',') + "\n" + game, 2019, 1,
       "the header has more than 256 columns"},
      {"missing column", "season,game_type,week,away_team,away_score,home_team,home_score\n", 2019,
       1, "the header has no weekday column"},
      {"unclosed quote", head + "2019,\"REG,1,x,Sunday,BUF,17,NYJ,16,Home,-3,39.5\n", 2019, 2,
       "field 2 opens a quote it does not close"},
      {"code of another year", head + "2019,REG,1,x,Sunday,LV,17,NYJ,16,Home,-3,39.5\n", 2019, 2,
       "away_team \"LV\" is not a team of 2019"},
      {"unknown code", head + "2019,REG,1,x,Sunday,BUF,17,XYZ,16,Home,-3,39.5\n", 2019, 2,
       "home_team \"XYZ\" is not a team of 2019"},
      {"fraction", head + "2019,REG,1.5,x,Sunday,BUF,17,NYJ,16,Home,-3,39.5\n", 2019, 2,
       "week \"1.5\" is not a whole number"},
      {"week past the season", head + "2019,REG,18,x,Sunday,BUF,17,NYJ,16,Home,-3,39.5\n", 2019, 2,
       "week \"18\" is not a week of 2019 (1 to 17)"},
      {"negative score", head + "2019,REG,1,x,Sunday,BUF,-17,NYJ,16,Home,-3,39.5\n", 2019, 2,
       "away_score \"-17\" is not a score (0 to 999)"},
      {"one score", head + "2019,REG,1,x,Sunday,BUF,17,NYJ,,Home,-3,39.5\n", 2019, 2,
       "home_score is empty but away_score is not"},
      {"bad spread", head + "2019,REG,1,x,Sunday,BUF,17,NYJ,16,Home,abc,39.5\n", 2019, 2,
       "spread_line \"abc\" is not a number"},
      {"bad year", head + "20x9,REG,1,x,Sunday,BUF,17,NYJ,16,Home,-3,39.5\n", 2019, 2,
       "season \"20x9\" is not a whole number"},
      {"game type", head + "2019,PRE,1,x,Sunday,BUF,17,NYJ,16,Home,-3,39.5\n", 2019, 2,
       "game_type \"PRE\" is not REG, WC, DIV, CON or SB"},
      {"weekday", head + "2019,REG,1,x,Sun,BUF,17,NYJ,16,Home,-3,39.5\n", 2019, 2,
       "weekday \"Sun\" is not a day's name"},
      {"plays itself", head + "2019,REG,1,x,Sunday,BUF,17,BUF,16,Home,-3,39.5\n", 2019, 2,
       "BUF would play itself"},
      {"twice a week", head + game + "2019,REG,1,x,Monday,MIA,7,BUF,9,Home,1,40\n", 2019, 3,
       "BUF already plays in week 1 on line 2"},
      {"season not there", head + game, 2020, 0, "the file holds no regular-season games of 2020"},
      {"before the league", head + game, 1998, 0, "there is no league of 1998"},
  };
  for (const Hostile& hostile : cases) {
    std::vector<CsvProblem> problems;
    ReadGamesFile(hostile.text, hostile.year, problems);
    ASSERT_EQ(problems.size(), 1u) << hostile.name;
    EXPECT_EQ(problems.front().line, hostile.line) << hostile.name;
    EXPECT_NE(problems.front().what.find(hostile.problem), std::string::npos)
        << hostile.name << ": " << problems.front().what;
  }
}

TEST(GamesFile, ProblemsNameTheFileAndLine) {
  std::vector<CsvProblem> problems;
  ReadGamesFile(std::string(Header) + "2019,REG,1,x,Sunday,LV,17,NYJ,16,Home,-3,39.5\n", 2019,
                problems);
  EXPECT_EQ(ProblemLines(problems, "games.csv"),
            std::vector<std::string>{"games.csv:2: away_team \"LV\" is not a team of 2019"});
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
