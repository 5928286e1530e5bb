#include "entry/league_crossing.h"

#include <algorithm>

#include "league/league_names.h"
#include "season/data_files.h"

namespace tavrin {

namespace {

// A club joining the league is built from the other clubs' spare players, and such clubs have
// finished their first seasons at or near the bottom: it starts where last season's lowest-rated
// club finished (the first of them in last season's numbering on a tie), so that neither its
// first opponents nor the clubs it is later compared with gain from a guess in its favour.
int LowestRatedTeam(const SeasonStore& store, int team_count) {
  const auto first = store.Cqr.begin() + 1;
  return static_cast<int>(std::min_element(first, first + team_count) - store.Cqr.begin());
}

// What the setup carries of a club; its record and points are cleared afterwards.
void CopyCarriedFigures(const SeasonStore& from, int from_team, SeasonStore& to, int to_team) {
  to.Cqr[to_team] = from.Cqr[from_team];
  to.AveOffense[to_team] = from.AveOffense[from_team];
  to.AveDefense[to_team] = from.AveDefense[from_team];
}

}  // namespace

std::optional<LeagueCrossing> CrossingInto(int new_year) {
  const auto last = LeagueOf(new_year - 1);
  auto next = LeagueOf(new_year);
  if (!last || !next) return std::nullopt;
  std::vector<int> former = FormerTeams(*last, *next);
  bool alike = last->team_count() == next->team_count();
  for (int team = 1; team <= next->team_count(); ++team) alike = alike && former[team] == team;
  if (alike) return std::nullopt;
  return LeagueCrossing{last->team_count(), std::move(*next), std::move(former)};
}

void CarryByFranchise(SeasonStore& store, const LeagueCrossing& crossing) {
  const SeasonStore last = store;
  const int next_count = crossing.next.team_count();
  std::vector<int16_t> renumbered(static_cast<std::size_t>(crossing.last_team_count) + 1, 0);
  for (int team = 1; team <= next_count; ++team) {
    if (const int former = crossing.former_teams[team]; former != 0)
      renumbered[former] = static_cast<int16_t>(team);
  }

  for (int slot = crossing.last_team_count + 1; slot <= next_count; ++slot)
    UnpackStatsRecord(store, slot, StatsRecord{});
  for (int game = 1; game <= std::min(crossing.last_team_count, next_count); ++game) {
    store.GameWinner[game] = renumbered[last.GameWinner[game]];
    store.PickTeam[game] = renumbered[last.PickTeam[game]];
  }
  const int newcomer_model = LowestRatedTeam(last, crossing.last_team_count);
  for (int team = 1; team <= next_count; ++team) {
    const int former = crossing.former_teams[team];
    CopyCarriedFigures(last, former != 0 ? former : newcomer_model, store, team);
  }
}

Outcome<void> TakeNewLeagueNames(Session& session, const SeasonLeague& next) {
  SeasonStore& store = session.store;
  if (ReadNames(store, session.folder)) return {};
  TakeLeagueNames(store, next);
  return WriteNames(store, session.folder);
}

}  // namespace tavrin
