#include "analysis/team_ranking.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tavrin {

namespace {
constexpr double TeamFraction = 10000;
constexpr double LargestKeyFigure = 1e9;

int SortedCount(int count) { return std::clamp(count, 0, MaxTeamSlot); }
}  // namespace

SlotArray<float> WinPercentages(const SeasonStore& store) {
  SlotArray<float> percentages{};
  const int teams = SortedCount(store.TeamCount);
  for (int team = 1; team <= teams; ++team) {
    const double points = store.Ties[team] * 0.5 + store.Wins[team];
    const double games =
        static_cast<double>(store.Wins[team]) + store.Losses[team] + store.Ties[team];
    percentages[team] = points == 0 ? 0.0f : static_cast<float>(points / games);
  }
  return percentages;
}

double TeamSortKey(double figure, int team) {
  const double whole = std::floor(figure);
  const bool usable = std::isfinite(whole) && std::fabs(whole) < LargestKeyFigure;
  return (usable ? whole : 0.0) + team / TeamFraction;
}

TeamPlaces::TeamPlaces(SlotArray<double> keys, int count)
    : places_(keys), count_(SortedCount(count)) {
  auto& key = places_;
  const int n = count_;
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

int TeamPlaces::TeamInPlace(int place) const {
  if (place < 1 || place > count_) return 0;
  const double team = places_[place];
  return team >= 1 && team <= count_ ? static_cast<int>(team) : 0;
}

}  // namespace tavrin
