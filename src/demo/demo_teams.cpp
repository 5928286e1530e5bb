#include "demo/demo_teams.h"

namespace tavrin::demo {

const std::array<DemoTeam, LeagueTeamCount>& DemoTeams() {
  static const std::array<DemoTeam, LeagueTeamCount> teams{{
      {"Buffalo", "Bills"},        {"Indianapolis", "Colts"},  {"Miami", "Dolphins"},
      {"New England", "Patriots"}, {"NY Jets", "Jets"},        {"Baltimore", "Ravens"},
      {"Cincinnati", "Bengals"},   {"Cleveland", "Browns"},    {"Jacksonville", "Jaguars"},
      {"Pittsburgh", "Steelers"},  {"Tennessee", "Titans"},    {"Denver", "Broncos"},
      {"Kansas City", "Chiefs"},   {"Oakland", "Raiders"},     {"San Diego", "Chargers"},
      {"Seattle", "Seahawks"},     {"Arizona", "Cardinals"},   {"Dallas", "Cowboys"},
      {"NY Giants", "Giants"},     {"Philadelphia", "Eagles"}, {"Washington", "Redskins"},
      {"Chicago", "Bears"},        {"Detroit", "Lions"},       {"Green Bay", "Packers"},
      {"Minnesota", "Vikings"},    {"Tampa Bay", "Bucs"},      {"Atlanta", "Falcons"},
      {"Carolina", "Panthers"},    {"New Orleans", "Saints"},  {"St. Louis", "Rams"},
      {"San Fran.", "49ers"},
  }};
  return teams;
}

}  // namespace tavrin::demo
