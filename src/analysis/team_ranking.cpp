#include "analysis/team_ranking.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tavrin {

namespace {
constexpr double TeamFraction = 10000;
constexpr double LargestKeyFigure = 1e9;

int SortedCount(const SeasonStore& store) {
  return std::clamp<int>(store.TeamCount, 0, MaxTeamSlot);
}
}  // namespace

void ComputeWinPercentages(SeasonStore& store) {
  const int teams = SortedCount(store);
  for (int team = 1; team <= teams; ++team) {
    const double points = store.Ties[team] * 0.5 + store.Wins[team];
    const double games =
        static_cast<double>(store.Wins[team]) + store.Losses[team] + store.Ties[team];
    store.WinPct[team] = points == 0 ? 0.0f : static_cast<float>(points / games);
  }
}

double TeamSortKey(double figure, int team) {
  const double whole = std::floor(figure);
  const bool usable = std::isfinite(whole) && std::fabs(whole) < LargestKeyFigure;
  return (usable ? whole : 0.0) + team / TeamFraction;
}

void SortTeamKeys(SeasonStore& store) {
  auto& key = store.SortKey;
  const int n = SortedCount(store);
  int gap = 1;
  while (gap < n) gap *= 2;
  while ((gap = (gap - 1) / 2) > 0) {
    for (int i = 1; i <= n - gap; ++i) {
      for (int j = i; j > 0 && key[j + gap] < key[j]; j -= gap) std::swap(key[j], key[j + gap]);
    }
  }
  for (int place = 1; place <= n; ++place) {
    key[place] = std::floor((key[place] - std::floor(key[place])) * TeamFraction + 0.5);
  }
}

int TeamInPlace(const SeasonStore& store, int place) {
  if (place < 0 || place > MaxTeamSlot) return 0;
  const double team = store.SortKey[place];
  return team >= 1 && team <= store.TeamCount && team <= MaxTeamSlot ? static_cast<int>(team) : 0;
}

}  // namespace tavrin
