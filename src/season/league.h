#pragma once
// The league of these seasons: 31 teams in two conferences of three divisions each, numbered
// division by division. Every layout of the teams (standings, windows, the demo, the play-off
// rules) asks this table rather than writing team numbers of its own.

#include <array>
#include <cstdint>
#include <string_view>

namespace tavrin {

// Teams are numbered 1..LeagueTeamCount; every per-team table has a slot for each.
inline constexpr int16_t LeagueTeamCount = 31;

// A number that names one of the league's teams, and so may index the per-team tables.
constexpr bool IsTeamNumber(int team) { return team >= 1 && team <= LeagueTeamCount; }

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

}  // namespace league
}  // namespace tavrin
