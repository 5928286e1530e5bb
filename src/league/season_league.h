#pragma once
// The league of one season, chosen by its year: the teams with their codes and names, the
// conferences and divisions, the season's length and the play-off format. Three layouts have
// followed each other: 31 teams in six divisions (to 2001), then 32 teams in eight divisions of
// four; within the 32-team league only names, codes, seeds and weeks change with the years.

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "season/league.h"

namespace tavrin {

struct LeagueTeam {
  std::string_view code;      // as the community's games file writes the team that year
  std::string_view location;  // at most 12 characters, as the names file holds it
  std::string_view nickname;  // at most 9 characters
  // The same club's number in every season from 2002 on, whatever its code, city or name: what
  // carries a club from one season's league to the next.
  int franchise = 0;
};

// Whose tie-breaking procedure and seeding a season follows.
enum class SeedingRules { SixDivisions, EightDivisions };

struct SeasonLeague {
  int year = 0;
  SeedingRules rules = SeedingRules::EightDivisions;
  // Numbered division by division: each division's teams follow the previous division's.
  std::span<const league::Division> divisions;
  std::vector<LeagueTeam> teams;  // team t is teams[t - 1]
  int weeks = 0;                  // weeks of the regular season, bye weeks included
  int games_per_team = 0;
  int seeds_per_conference = 0;
  int resting_seeds = 0;  // seeds 1 to this sit out the first play-off round

  int team_count() const { return static_cast<int>(teams.size()); }
  bool IsTeam(int team) const { return team >= 1 && team <= team_count(); }
  const LeagueTeam& Team(int team) const { return teams[static_cast<std::size_t>(team - 1)]; }
  // The index in `divisions` of a team's division; -1 for a number outside the league.
  int DivisionIndexOf(int team) const;
  league::Conference ConferenceOf(int team) const;
  std::optional<int> TeamOfCode(std::string_view code) const;
};

inline constexpr int FirstLeagueYear = 1999;

// The league of `year`; nothing before the first season the program follows.
std::optional<SeasonLeague> LeagueOf(int year);

// Slot t (1..next's teams) holds the number that team t's club had in `last`'s league, 0 for a
// club new to the league; slot 0 is unused.
std::vector<int> FormerTeams(const SeasonLeague& last, const SeasonLeague& next);

// The divisions of the league of `team_count` teams: the 32-team league's, or the 31-team
// league's for any other count.
std::span<const league::Division> DivisionsOf(int team_count);

}  // namespace tavrin
