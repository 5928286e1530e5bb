#include "league/season_league.h"

#include <algorithm>
#include <array>

namespace tavrin {

namespace {

constexpr int FirstSevenSeedYear = 2020;
constexpr int FirstEighteenWeekYear = 2021;

// The 31-team league's clubs in its numbering, each with the number it has from 2002 on.
constexpr std::array<LeagueTeam, LeagueTeamCount> SixDivisionTeams{{
    {"BUF", "Buffalo", "Bills", 1},         {"IND", "Indianapolis", "Colts", 10},
    {"MIA", "Miami", "Dolphins", 2},        {"NE", "New England", "Patriots", 3},
    {"NYJ", "NY Jets", "Jets", 4},          {"BAL", "Baltimore", "Ravens", 5},
    {"CIN", "Cincinnati", "Bengals", 6},    {"CLE", "Cleveland", "Browns", 7},
    {"JAX", "Jacksonville", "Jaguars", 11}, {"PIT", "Pittsburgh", "Steelers", 8},
    {"TEN", "Tennessee", "Titans", 12},     {"DEN", "Denver", "Broncos", 13},
    {"KC", "Kansas City", "Chiefs", 14},    {"OAK", "Oakland", "Raiders", 15},
    {"SD", "San Diego", "Chargers", 16},    {"SEA", "Seattle", "Seahawks", 32},
    {"ARI", "Arizona", "Cardinals", 29},    {"DAL", "Dallas", "Cowboys", 17},
    {"NYG", "NY Giants", "Giants", 18},     {"PHI", "Philadelphia", "Eagles", 19},
    {"WAS", "Washington", "Redskins", 20},  {"CHI", "Chicago", "Bears", 21},
    {"DET", "Detroit", "Lions", 22},        {"GB", "Green Bay", "Packers", 23},
    {"MIN", "Minnesota", "Vikings", 24},    {"TB", "Tampa Bay", "Bucs", 28},
    {"ATL", "Atlanta", "Falcons", 25},      {"CAR", "Carolina", "Panthers", 26},
    {"NO", "New Orleans", "Saints", 27},    {"STL", "St. Louis", "Rams", 30},
    {"SF", "San Fran.", "49ers", 31},
}};

constexpr LeagueTeam Houston{"HOU", "Houston", "Texans", 9};

constexpr std::array<league::Division, 8> EightDivisions{{
    {league::Conference::Afc, "East", 1, 4},
    {league::Conference::Afc, "North", 5, 8},
    {league::Conference::Afc, "South", 9, 12},
    {league::Conference::Afc, "West", 13, 16},
    {league::Conference::Nfc, "East", 17, 20},
    {league::Conference::Nfc, "North", 21, 24},
    {league::Conference::Nfc, "South", 25, 28},
    {league::Conference::Nfc, "West", 29, 32},
}};

// From `year` on, the club `team.franchise` plays under this code and these names.
struct ClubChange {
  int year;
  LeagueTeam team;
};

// In year order: the Rams' and the Chargers' moves to Los Angeles (two clubs there from 2017,
// named as the two New York clubs are), the Raiders' to Las Vegas, Washington's new names.
constexpr std::array<ClubChange, 6> ClubChanges{{
    {2016, {"LA", "Los Angeles", "Rams", 30}},
    {2017, {"LA", "LA Rams", "Rams", 30}},
    {2017, {"LAC", "LA Chargers", "Chargers", 16}},
    {2020, {"LV", "Las Vegas", "Raiders", 15}},
    {2020, {"WAS", "Washington", "Ftbl Team", 20}},
    {2022, {"WAS", "Washington", "Commandrs", 20}},
}};

std::vector<LeagueTeam> EightDivisionTeams(int year) {
  std::vector<LeagueTeam> teams(TeamCountOfYear(year), Houston);
  for (const LeagueTeam& team : SixDivisionTeams) {
    teams[static_cast<std::size_t>(team.franchise - 1)] = team;
  }
  for (const ClubChange& change : ClubChanges) {
    if (change.year <= year)
      teams[static_cast<std::size_t>(change.team.franchise - 1)] = change.team;
  }
  return teams;
}

}  // namespace

int SeasonLeague::DivisionIndexOf(int team) const {
  const auto found = std::find_if(divisions.begin(), divisions.end(), [&](const auto& division) {
    return team >= division.first_team && team <= division.last_team;
  });
  return found == divisions.end() ? -1 : static_cast<int>(found - divisions.begin());
}

league::Conference SeasonLeague::ConferenceOf(int team) const {
  const int index = DivisionIndexOf(team);
  return index < 0 ? league::Conference::Afc
                   : divisions[static_cast<std::size_t>(index)].conference;
}

std::optional<int> SeasonLeague::TeamOfCode(std::string_view code) const {
  const auto found = std::find_if(teams.begin(), teams.end(),
                                  [&](const LeagueTeam& team) { return team.code == code; });
  if (found == teams.end()) return std::nullopt;
  return static_cast<int>(found - teams.begin()) + 1;
}

std::vector<int> FormerTeams(const SeasonLeague& last, const SeasonLeague& next) {
  std::vector<int> former(static_cast<std::size_t>(next.team_count()) + 1, 0);
  for (int team = 1; team <= next.team_count(); ++team) {
    for (int old = 1; old <= last.team_count(); ++old) {
      if (last.Team(old).franchise == next.Team(team).franchise)
        former[static_cast<std::size_t>(team)] = old;
    }
  }
  return former;
}

std::span<const league::Division> DivisionsOf(int team_count) {
  if (team_count == MostLeagueTeams) return EightDivisions;
  return league::Divisions;
}

std::optional<SeasonLeague> LeagueOf(int year) {
  if (year < FirstLeagueYear) return std::nullopt;
  SeasonLeague season;
  season.year = year;
  season.divisions = DivisionsOf(TeamCountOfYear(year));
  if (TeamCountOfYear(year) == LeagueTeamCount) {
    season.rules = SeedingRules::SixDivisions;
    season.teams.assign(SixDivisionTeams.begin(), SixDivisionTeams.end());
  } else {
    season.rules = SeedingRules::EightDivisions;
    season.teams = EightDivisionTeams(year);
  }
  const bool eighteen_weeks = year >= FirstEighteenWeekYear;
  season.weeks = eighteen_weeks ? 18 : 17;
  season.games_per_team = eighteen_weeks ? 17 : 16;
  const bool seven_seeds = year >= FirstSevenSeedYear;
  season.seeds_per_conference = seven_seeds ? 7 : 6;
  season.resting_seeds = seven_seeds ? 1 : 2;
  return season;
}

}  // namespace tavrin
