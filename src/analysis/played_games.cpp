#include "analysis/played_games.h"

namespace tavrin {

std::vector<PlayedGame> PlayedGamesOf(const std::vector<SeasonGame>& games) {
  std::vector<PlayedGame> played;
  for (const SeasonGame& game : games) {
    if (game.played)
      played.push_back({game.visitor, game.home, game.visitor_points, game.home_points});
  }
  return played;
}

}  // namespace tavrin
