#include "league/club_records.h"

namespace tavrin {

std::vector<PlayedGame> PlayedGamesOf(const SeasonCsv& season, int last_week) {
  std::vector<PlayedGame> played;
  for (const auto& [week, games] : season.weeks) {
    if (week > last_week) break;
    for (const CsvGame& game : games) {
      if (!game.visitor_score || !game.home_score) continue;
      played.push_back({game.visitor, game.home, *game.visitor_score, *game.home_score});
    }
  }
  return played;
}

ClubRecords::ClubRecords(const SeasonLeague& league, std::span<const PlayedGame> games)
    : league_(league),
      overall_(static_cast<std::size_t>(league.team_count()) + 1),
      pairs_(overall_.size() * overall_.size()) {
  for (const PlayedGame& game : games) {
    if (!league.IsTeam(game.visitor) || !league.IsTeam(game.home) || game.visitor == game.home) {
      continue;
    }
    Add(game.visitor, game.home, game.visitor_points, game.home_points);
    Add(game.home, game.visitor, game.home_points, game.visitor_points);
  }
}

void ClubRecords::Add(int team, int opponent, int scored, int allowed) {
  const ClubRecord game{1, scored > allowed ? 1 : 0, scored == allowed ? 1 : 0, scored, allowed};
  overall_[Slot(team)] += game;
  pairs_[Slot(team) * Slots() + Slot(opponent)] += game;
}

ClubRecord ClubRecords::InDivision(int team) const {
  ClubRecord record;
  const auto& division = league_.divisions[static_cast<std::size_t>(league_.DivisionIndexOf(team))];
  for (int opponent = division.first_team; opponent <= division.last_team; ++opponent) {
    record += Against(team, opponent);
  }
  return record;
}

ClubRecord ClubRecords::InConference(int team) const {
  ClubRecord record;
  const league::Conference conference = league_.ConferenceOf(team);
  for (int opponent = 1; opponent <= league_.team_count(); ++opponent) {
    if (league_.ConferenceOf(opponent) == conference) record += Against(team, opponent);
  }
  return record;
}

}  // namespace tavrin
