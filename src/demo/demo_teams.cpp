#include "demo/demo_teams.h"

#include "league/season_league.h"

namespace tavrin::demo {

// The demo follows the first season of the 31-team league, under that league's names.
const std::array<DemoTeam, LeagueTeamCount>& DemoTeams() {
  static const std::array<DemoTeam, LeagueTeamCount> teams = [] {
    const auto league = LeagueOf(FirstLeagueYear);
    std::array<DemoTeam, LeagueTeamCount> named{};
    for (std::size_t i = 0; i < named.size(); ++i) {
      named[i] = {league->teams[i].location, league->teams[i].nickname};
    }
    return named;
  }();
  return teams;
}

}  // namespace tavrin::demo
