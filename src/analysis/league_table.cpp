#include "analysis/league_table.h"

namespace tavrin {

void LeagueTable::AddGame(int visitor, int home, int visitor_points, int home_points) {
  const int visitor_doubles = visitor_points > home_points ? 2 : visitor_points == home_points;
  const GameRecord for_visitor{1, visitor_doubles, visitor_points - home_points};
  const GameRecord for_home{1, 2 - visitor_doubles, home_points - visitor_points};
  overall_[visitor] += for_visitor;
  overall_[home] += for_home;
  pairs_[visitor][home] += for_visitor;
  pairs_[home][visitor] += for_home;
}

GameRecord LeagueTable::InDivision(int team) const {
  GameRecord record;
  const auto& division = league::Divisions[league::DivisionIndexOf(team)];
  for (int opponent = division.first_team; opponent <= division.last_team; ++opponent) {
    record += pairs_[team][opponent];
  }
  return record;
}

GameRecord LeagueTable::InConference(int team) const {
  GameRecord record;
  for (int opponent = 1; opponent <= LeagueTeamCount; ++opponent) {
    if (league::SameConference(team, opponent)) record += pairs_[team][opponent];
  }
  return record;
}

}  // namespace tavrin
