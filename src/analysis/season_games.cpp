#include "analysis/season_games.h"

#include <algorithm>
#include <memory>

#include "presentation/report_text.h"
#include "season/data_files.h"
#include "season/league.h"

namespace tavrin {

namespace {

// A score as a count of points; a hostile file's negative, huge or non-number score counts 0.
int Points(float score) { return score >= 0 && score <= 999 ? static_cast<int>(score) : 0; }

}  // namespace

SeasonGames LoadSeasonGames(const SeasonStore& store, const std::filesystem::path& folder,
                            int played_through) {
  // The readers fill a store; a scratch one keeps the caller's loaded block and week.
  auto scratch = std::make_unique<SeasonStore>(store);
  SeasonGames season;
  const int weeks = std::clamp<int>(store.WeeksInSeason, 0, MaxTeamSlot);
  for (int week = 1; week <= weeks; ++week) {
    if (!ReadScheduleWeek(*scratch, folder, week)) continue;
    const bool played = week <= played_through;
    if (played && !LoadStatsBlockNumber(*scratch, folder, week)) return {{}, week};
    const int count = LoadedGameCount(*scratch);
    for (int slot = 1; slot <= count; ++slot) {
      SeasonGame game{week, scratch->GameFirstTeam[slot], scratch->GameSecondTeam[slot], played};
      if (!IsSeasonTeam(store, game.visitor) || !IsSeasonTeam(store, game.home) ||
          game.visitor == game.home) {
        continue;
      }
      if (played) {
        game.visitor_points = Points(scratch->FirstScore[slot]);
        game.home_points = Points(scratch->SecondScore[slot]);
      }
      season.games.push_back(game);
    }
  }
  return season;
}

}  // namespace tavrin
