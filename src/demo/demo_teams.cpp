#include "demo/demo_teams.h"

namespace tavrin::demo {

const std::array<DemoTeam, DemoTeamCount>& DemoTeams() {
  static const std::array<DemoTeam, DemoTeamCount> teams{{
      {"Buffalo", "Bills"},          {"Indianapolis", "Colts"},   {"Miami", "Dolphins"},
      {"New England", "Patriots"},   {"NY Jets", "Jets"},         {"Baltimore", "Ravens"},
      {"Cincinnati", "Bengals"},     {"Cleveland", "Browns"},     {"Jacksonville", "Jaguars"},
      {"Pittsburgh", "Steelers"},    {"Tennessee", "Titans"},     {"Denver", "Broncos"},
      {"Kansas City", "Chiefs"},     {"Oakland", "Raiders"},      {"San Diego", "Chargers"},
      {"Seattle", "Seahawks"},       {"Arizona", "Cardinals"},    {"Dallas", "Cowboys"},
      {"NY Giants", "Giants"},       {"Philadelphia", "Eagles"},  {"Washington", "Redskins"},
      {"Chicago", "Bears"},          {"Detroit", "Lions"},        {"Green Bay", "Packers"},
      {"Minnesota", "Vikings"},      {"Tampa Bay", "Bucs"},       {"Atlanta", "Falcons"},
      {"Carolina", "Panthers"},      {"New Orleans", "Saints"},   {"St. Louis", "Rams"},
      {"San Fran.", "49ers"},
  }};
  return teams;
}

const std::array<Division, 6>& Divisions() {
  static const std::array<Division, 6> divisions{{
      {1, 5, true},
      {6, 11, true},
      {12, 16, true},
      {17, 21, false},
      {22, 26, false},
      {27, 31, false},
  }};
  return divisions;
}

int DivisionOf(int team) {
  const auto& divisions = Divisions();
  for (int d = 0; d < static_cast<int>(divisions.size()); ++d)
    if (team >= divisions[d].first_team && team <= divisions[d].last_team) return d;
  return -1;
}

}  // namespace tavrin::demo
