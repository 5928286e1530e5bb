#include "engine/prediction.h"

#include <cmath>

#include "season/data_files.h"
#include "season/league.h"

namespace tavrin {

namespace {

constexpr float HomeAdvantage = 1.5f;
constexpr float CrossGroupAdjustment = 1.0f;
constexpr double PickBand = 0.2;  // a double literal: the sum is rounded back to single
constexpr float MarginCap = 17.0f;

// Every step is held in single precision; the ratings of the moment may be unrounded.
float HalfRating(const SeasonStore& store, int team) {
  return static_cast<float>(store.Cqr[team]) / 2.0f;
}

bool LeadsBeyondPickBand(float leader, float other) {
  const float band_edge = static_cast<float>(static_cast<double>(other) + PickBand);
  return band_edge < leader;
}

}  // namespace

GamePrediction PredictGame(const SeasonStore& store, int a, int b, PredictionRules rules) {
  float first = HalfRating(store, a);
  float second = HalfRating(store, b);
  if (rules.home_advantage) second += HomeAdvantage;
  const bool a_lower = league::InLowerGroup(a, SeasonTeamCount(store));
  const bool b_lower = league::InLowerGroup(b, SeasonTeamCount(store));
  if (a_lower && !b_lower) first -= CrossGroupAdjustment;
  if (!a_lower && b_lower) second -= CrossGroupAdjustment;

  GamePrediction prediction;
  if (LeadsBeyondPickBand(first, second)) {
    prediction = {static_cast<int16_t>(a), first - second};
  } else if (LeadsBeyondPickBand(second, first)) {
    prediction = {static_cast<int16_t>(b), second - first};
  } else {
    return prediction;
  }
  if (rules.capped_margin && prediction.margin > MarginCap) prediction.margin = MarginCap;
  const float weighting = store.Weighting / 100.0f;
  prediction.margin = prediction.margin * weighting;
  return prediction;
}

float RoundMargin(float margin) {
  if (!(margin > 0.0f)) return margin;
  const float whole = std::floor(margin);
  const float fraction = margin - whole;
  if (fraction <= 0.2f) return whole;
  if (fraction <= 0.7f) return whole + 0.5f;
  return whole + 1.0f;
}

int OverUnderTotal(const SeasonStore& store, int a, int b) {
  const float sum =
      store.AveOffense[a] + store.AveOffense[b] + store.AveDefense[a] + store.AveDefense[b];
  const float total = (sum / 4.0f) * 2.0f;
  return static_cast<int>(std::floor(static_cast<double>(total) + 0.5));
}

void PredictNextWeek(SeasonStore& store, const std::filesystem::path& folder, int week) {
  if (ReadScheduleWeek(store, folder, week + 1)) PredictLoadedWeek(store);
}

void PredictLoadedWeek(SeasonStore& store) {
  if (!ScheduleUsable(store)) return;
  for (int game = 1; game <= store.WeekGameCount; ++game) {
    const GamePrediction prediction =
        PredictGame(store, store.GameFirstTeam[game], store.GameSecondTeam[game]);
    store.PickTeam[game] = prediction.favourite;
    store.PickMargin[game] = prediction.margin;
  }
}

}  // namespace tavrin
