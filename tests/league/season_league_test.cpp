// The league of each year: its layout, the clubs' codes and names, and their franchises.

#include "league/season_league.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

#include "entry/names_update.h"
#include "season/text_file_lines.h"

namespace tavrin {
namespace {

constexpr int LastYearChecked = 2030;

// Catches the 32-team rating groups cut anywhere but between its conferences and its divisions.
TEST(SeasonLeague, ThirtyTwoTeamGroupsAreItsConferencesAndDivisions) {
  const auto league = LeagueOf(2002);
  for (int a = 1; a <= 32; ++a) {
    EXPECT_EQ(league::InLowerGroup(a, 32), league->ConferenceOf(a) == league::Conference::Afc) << a;
    for (int b = 1; b <= 32; ++b)
      EXPECT_EQ(league::ProjectionGroupOf(a, 32) == league::ProjectionGroupOf(b, 32),
                league->DivisionIndexOf(a) == league->DivisionIndexOf(b));
  }
}

TEST(SeasonLeague, EachEraHasItsLayoutAndPlayoffFormat) {
  using Layout = std::array<int, 6>;  // teams, divisions, weeks, games, seeds, resting seeds
  const std::pair<int, Layout> eras[] = {
      {2001, {31, 6, 17, 16, 6, 2}}, {2002, {32, 8, 17, 16, 6, 2}}, {2019, {32, 8, 17, 16, 6, 2}},
      {2020, {32, 8, 17, 16, 7, 1}}, {2021, {32, 8, 18, 17, 7, 1}},
  };
  for (const auto& [year, layout] : eras) {
    const auto league = LeagueOf(year);
    ASSERT_TRUE(league) << year;
    EXPECT_EQ(
        (Layout{league->team_count(), static_cast<int>(league->divisions.size()), league->weeks,
                league->games_per_team, league->seeds_per_conference, league->resting_seeds}),
        layout)
        << year;
  }
  EXPECT_FALSE(LeagueOf(FirstLeagueYear - 1));
}

// Catches a moved club losing its franchise or its name, and names or numbers the files cannot
// hold: divisions number their teams one after another, no two clubs share a location.
TEST(SeasonLeague, EveryYearNumbersNamesAndFranchisesItsClubs) {
  for (int year = FirstLeagueYear; year <= LastYearChecked; ++year) {
    const auto league = LeagueOf(year);
    int next = 1;
    for (const auto& division : league->divisions) {
      EXPECT_EQ(division.first_team, next) << year;
      next = division.last_team + 1;
    }
    EXPECT_EQ(next, league->team_count() + 1) << year;
    std::set<std::string_view> locations;
    std::set<int> franchises;
    for (const LeagueTeam& team : league->teams) {
      EXPECT_LE(team.location.size(), static_cast<std::size_t>(MaxLocationLength)) << year;
      EXPECT_LE(team.nickname.size(), static_cast<std::size_t>(MaxTeamNameLength)) << year;
      EXPECT_TRUE(FitsQuotedLine(team.location) && FitsQuotedLine(team.nickname));
      EXPECT_TRUE(locations.insert(team.location).second) << year << " " << team.location;
      EXPECT_TRUE(franchises.insert(team.franchise).second) << year;
      // A club changes its code only when it moves; from 2002 on its number is its franchise.
      const auto same_code =
          year < LastYearChecked ? LeagueOf(year + 1)->TeamOfCode(team.code) : std::nullopt;
      if (same_code) {
        EXPECT_EQ(LeagueOf(year + 1)->Team(*same_code).franchise, team.franchise) << year;
      }
      if (year >= 2002) {
        EXPECT_EQ(team.franchise, *league->TeamOfCode(team.code)) << year;
      }
    }
  }
}

// A code is known only in the years its club played under it; Washington's nickname changes in
// 2020 and 2022.
TEST(SeasonLeague, CodesAndNamesFollowTheClubsMoves) {
  const std::tuple<int, const char*, bool> codes[] = {
      {2001, "HOU", false}, {2002, "HOU", true}, {2015, "STL", true},  {2016, "STL", false},
      {2016, "LA", true},   {2016, "SD", true},  {2016, "LAC", false}, {2017, "SD", false},
      {2017, "LAC", true},  {2019, "OAK", true}, {2019, "LV", false},  {2020, "OAK", false},
      {2020, "LV", true},   {2024, "WAS", true},
  };
  for (const auto& [year, code, known] : codes)
    EXPECT_EQ(LeagueOf(year)->TeamOfCode(code).has_value(), known) << year << " " << code;
  const auto nickname = [](int year) {
    const auto league = LeagueOf(year);
    return std::string(league->Team(*league->TeamOfCode("WAS")).nickname);
  };
  EXPECT_EQ(nickname(2019), nickname(2002));
  EXPECT_NE(nickname(2020), nickname(2019));
  EXPECT_EQ(nickname(2021), nickname(2020));
  EXPECT_NE(nickname(2022), nickname(2021));
  EXPECT_EQ(nickname(2030), nickname(2022));
}

}  // namespace
}  // namespace tavrin
