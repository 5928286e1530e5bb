#pragma once
// The league of these seasons: 31 teams in two conferences of three divisions each, numbered
// division by division, to 2001; 32 teams from 2002. Every layout of the teams (standings,
// windows, the demo, the play-off rules) asks this table rather than writing team numbers of its
// own; the 32-team league's divisions and names are league/season_league.h's.

#include <array>
#include <cstdint>
#include <string_view>

namespace tavrin {

// Teams are numbered 1..LeagueTeamCount; every per-team table has a slot for each.
inline constexpr int16_t LeagueTeamCount = 31;

// A number that names one of the league's teams, and so may index the per-team tables.
constexpr bool IsTeamNumber(int team) { return team >= 1 && team <= LeagueTeamCount; }

// From 2002 the league has 32 teams, and a season's files hold a record for each. The count of a
// year's league follows the year alone; a season kept in a folder may be one made with 31 teams
// (SeasonTeamCountIn), and no file can make a table longer than the largest league.
inline constexpr int FirstThirtyTwoTeamYear = 2002;
inline constexpr int16_t MostLeagueTeams = 32;
constexpr int16_t TeamCountOfYear(int year) {
  return year >= FirstThirtyTwoTeamYear ? MostLeagueTeams : LeagueTeamCount;
}

// A number that names one of the `team_count` teams of a season's league (never more than the
// largest league has).
constexpr bool IsTeamNumber(int team, int team_count) {
  return team >= 1 && team <= team_count && team <= MostLeagueTeams;
}

// The most games a week of a league of `team_count` teams holds: every team plays once at most.
constexpr int MostGamesInWeek(int team_count) { return team_count / 2; }

namespace league {

enum class Conference { Afc, Nfc };

struct Division {
  Conference conference;
  std::string_view name;  // "East", "Central" or "West"
  int first_team;
  int last_team;
};

inline constexpr int DivisionCount = 6;

// AFC East, Central, West, then NFC East, Central, West.
inline constexpr std::array<Division, DivisionCount> Divisions{{
    {Conference::Afc, "East", 1, 5},
    {Conference::Afc, "Central", 6, 11},
    {Conference::Afc, "West", 12, 16},
    {Conference::Nfc, "East", 17, 21},
    {Conference::Nfc, "Central", 22, 26},
    {Conference::Nfc, "West", 27, 31},
}};

inline constexpr std::array<std::string_view, 2> ConferenceNames{"AFC", "NFC"};

inline constexpr int LastAfcTeam = Divisions[2].last_team;

// The index in Divisions of a league team's division. Only a team number (IsTeamNumber) has
// one; the result for any other number is an index of some division, never out of range.
constexpr int DivisionIndexOf(int team) {
  int index = 0;
  while (index + 1 < DivisionCount && team > Divisions[index].last_team) ++index;
  return index;
}

constexpr Conference ConferenceOf(int team) {
  return team <= LastAfcTeam ? Conference::Afc : Conference::Nfc;
}

constexpr bool SameDivision(int a, int b) {
  return IsTeamNumber(a) && IsTeamNumber(b) && DivisionIndexOf(a) == DivisionIndexOf(b);
}

constexpr bool SameConference(int a, int b) { return ConferenceOf(a) == ConferenceOf(b); }

// Two groupings by team number that the ratings use, and that differ from the divisions: the
// prediction's two groups (a team of one playing a team of the other gives up a point), and the
// projection's groups of five (the last holds six), from which its two contenders of a conference
// must come from different groups.
inline constexpr int LastLowerGroupTeam = 15;
constexpr bool InLowerGroup(int team) { return team <= LastLowerGroupTeam; }
constexpr int ProjectionGroupOf(int team) { return team > 30 ? 6 : (team - 1) / 5 + 1; }

// The same groupings in a league of `team_count` teams. The 31-team groups cut across its
// divisions by number; the 32-team league numbers its teams conference by conference in
// divisions of four, so its two groups are its conferences (1-16, 17-32: a team crossing to the
// other conference gives up the point, as one crossing between the groups does) and its
// projection groups its divisions, two contenders of a conference then coming from different
// divisions.
constexpr bool InLowerGroup(int team, int team_count) {
  return team_count == MostLeagueTeams ? team <= MostLeagueTeams / 2 : InLowerGroup(team);
}
constexpr int ProjectionGroupOf(int team, int team_count) {
  constexpr int DivisionSize = 4;
  return team_count == MostLeagueTeams ? (team - 1) / DivisionSize + 1 : ProjectionGroupOf(team);
}

}  // namespace league
}  // namespace tavrin
