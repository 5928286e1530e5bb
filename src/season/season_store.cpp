#include "season/season_store.h"

namespace tavrin {

void SeasonStore::ClearStatistics() {
  for (int slot = 1; slot <= TeamCount && slot <= MaxTeamSlot; ++slot) {
    Wins[slot] = 0;
    Losses[slot] = 0;
    Ties[slot] = 0;
    PointsScored[slot] = 0;
    PointsAllowed[slot] = 0;
    AveOffense[slot] = 0;
    AveDefense[slot] = 0;
    GameWinner[slot] = 0;
    WinMargin[slot] = 0;
    Cqr[slot] = 0;
    PickTeam[slot] = 0;
    PickMargin[slot] = 0;
    FirstScore[slot] = 0;
    SecondScore[slot] = 0;
  }
}

}  // namespace tavrin
