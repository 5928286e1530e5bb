#include "engine/recorded_scores.h"

#include <fmt/format.h>

namespace tavrin {

bool BlockHasRecordedScores(const SeasonStore& store) {
  if (store.StatsStatus == StatusError) return false;
  return store.FirstScore[1] != 0 || store.SecondScore[1] != 0 || store.FirstScore[2] != 0 ||
         store.SecondScore[2] != 0;
}

void ShowScoresNotCurrent(UserInterface& ui, int week) {
  ui.ShowMessage(fmt::format("Cannot Complete Action....\n\rScores must be current thru Week # {}.",
                             week),
                 "Tavrin", MessageIcon::Exclamation);
}

}  // namespace tavrin
