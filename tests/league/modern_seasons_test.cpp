// The real 32-team seasons: every club's record, place, seed and strengths as the league had them.

#include <fmt/format.h>
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "league/club_records.h"
#include "league/games_file.h"
#include "league/league_standings.h"
#include "support/temp_folder.h"

namespace tavrin {
namespace {

using testing::ReadFileBytes;
using testing::TestDataDir;

// One row of standings.csv, by its column names.
using StandingsRow = std::map<std::string, std::string>;

std::vector<StandingsRow> StandingsRows() {
  const std::string bytes = ReadFileBytes(TestDataDir() / "seasons" / "modern" / "standings.csv");
  std::string_view text = bytes;
  std::vector<CsvProblem> problems;
  const auto header = TakeCsvHeader(text, problems);
  std::vector<StandingsRow> rows;
  ForEachCsvRow(text, *header, problems, [&](int, const auto& fields) {
    StandingsRow row;
    for (std::size_t i = 0; i < fields.size(); ++i) row[std::string(header->kept[i])] = fields[i];
    rows.push_back(std::move(row));
  });
  EXPECT_TRUE(problems.empty());
  return rows;
}

// A 1-based place of a team in a list of placements; 0 when it is not there.
int PlaceOf(const std::vector<Placement>& placements, int team) {
  for (std::size_t i = 0; i < placements.size(); ++i)
    if (placements[i].team == team) return static_cast<int>(i) + 1;
  return 0;
}

class ModernSeason : public ::testing::TestWithParam<int> {};

// A season's regular-season games as its games file gives them.
std::vector<PlayedGame> GamesOf(const SeasonLeague& league) {
  std::vector<CsvProblem> problems;
  const std::string text = ReadFileBytes(TestDataDir() / "seasons" / "modern" /
                                         fmt::format("games_{}.csv", league.year));
  const SeasonCsv season = ReadGamesFile(text, league.year, problems);
  EXPECT_TRUE(problems.empty()) << league.year;
  return PlayedGamesOf(season, league.weeks);
}

TEST_P(ModernSeason, GivesTheRealRecordsPlacesAndSeeds) {
  const int year = GetParam();
  const auto league = LeagueOf(year);
  const std::vector<PlayedGame> games = GamesOf(*league);
  const ClubRecords records(*league, games);
  const LeagueStandings standings = RankLeague(records, SeasonDraw(year));

  int rows = 0;
  std::array<int, 2> seeded{};
  for (const StandingsRow& row : StandingsRows()) {
    if (row.at("season") != std::to_string(year)) continue;
    ++rows;
    const std::string& code = row.at("team");
    const auto team = league->TeamOfCode(code);
    ASSERT_TRUE(team) << code;
    const ClubRecord& record = records.Overall(*team);
    EXPECT_EQ(fmt::format("{}-{}-{} {}:{}", record.wins, record.losses(), record.ties,
                          record.scored, record.allowed),
              fmt::format("{}-{}-{} {}:{}", row.at("wins"), row.at("losses"), row.at("ties"),
                          row.at("scored"), row.at("allowed")))
        << code;
    const auto division = static_cast<std::size_t>(league->DivisionIndexOf(*team));
    EXPECT_EQ(PlaceOf(standings.divisions[division], *team), std::stoi(row.at("div_rank"))) << code;
    const std::size_t conference = row.at("conf") == "AFC" ? 0 : 1;
    const int seed = row.at("seed").empty() ? 0 : std::stoi(row.at("seed"));
    EXPECT_EQ(PlaceOf(standings.seeds[conference], *team), seed) << code;
    seeded[conference] += seed > 0;
  }
  EXPECT_EQ(rows, league->team_count());
  for (std::size_t conference = 0; conference < 2; ++conference) {
    EXPECT_EQ(standings.seeds[conference].size(),
              static_cast<std::size_t>(league->seeds_per_conference));
    EXPECT_EQ(seeded[conference], league->seeds_per_conference);
  }
}

// Opponents' records combined, a tie as half a win: standings.csv's strengths do so in 2020 only.
TEST(ModernSeason, StrengthsOfVictoryAndScheduleAreTheLeagues) {
  const auto league = LeagueOf(2020);
  const std::vector<PlayedGame> games = GamesOf(*league);
  const ClubRecords records(*league, games);
  for (const StandingsRow& row : StandingsRows()) {
    if (row.at("season") != "2020") continue;
    const int clubs[] = {league->TeamOfCode(row.at("team")).value()};
    for (const auto& [column, step] : {std::pair{"sov", Decider::StrengthOfVictory},
                                       std::pair{"sos", Decider::StrengthOfSchedule}})
      EXPECT_NEAR(StepFigures(records, step, clubs)->at(0), std::stod(row.at(column)), 1e-6)
          << row.at("team") << " " << column;
  }
}

INSTANTIATE_TEST_SUITE_P(RealSeasons, ModernSeason, ::testing::Values(2002, 2019, 2020, 2022));

}  // namespace
}  // namespace tavrin
