#include "analysis/single_game.h"

#include <cmath>

#include "presentation/report_messages.h"
#include "presentation/report_text.h"
#include "season/data_files.h"
#include "season/text_convention.h"

namespace tavrin {

namespace {

// Half points, with the single-precision fraction compared to the thresholds in double, each
// later rule overriding the earlier: a fraction of 0.2f (just above 0.2) goes to the half.
float RoundToHalfPoints(float margin) {
  const float whole = std::floor(margin);
  const double fraction = margin - whole;
  float rounded = margin;
  if (fraction < 0.3) rounded = whole;
  if (fraction > 0.2 && fraction < 0.8) rounded = whole + 0.5f;
  if (fraction > 0.7) rounded = whole + 1.0f;
  return rounded;
}

}  // namespace

bool LoadSpecialsRatings(Session& session) {
  SeasonStore& store = session.store;
  if (LoadStatsBlock(store, session.folder, store.LastScoredWeek)) return true;
  ShowStatisticsUnavailable(session.ui, store.LastScoredWeek + 1);
  return false;
}

GamePrediction PredictSingleGame(const SeasonStore& store, int a, int b, bool neutral) {
  GamePrediction prediction = PredictGame(store, TeamSlot(a), TeamSlot(b),
                                          {.home_advantage = !neutral, .capped_margin = false});
  if (prediction.margin > 0) prediction.margin = RoundToHalfPoints(prediction.margin);
  return prediction;
}

std::string SingleGameLine(const SeasonStore& store, int a, int b, bool neutral) {
  const std::string pairing =
      LocationOf(store, a) + (neutral ? " & " : " at ") + LocationOf(store, b);
  const GamePrediction prediction = PredictSingleGame(store, a, b, neutral);
  const std::string line =
      PadRight(pairing, 32) + PredictionText(store, prediction.favourite, prediction.margin);
  const int total = OverUnderTotal(store, TeamSlot(a), TeamSlot(b));
  return PadRight(line, 54) + FormatNumber(static_cast<double>(total), "00");
}

}  // namespace tavrin
