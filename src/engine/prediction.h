#pragma once
// Game prediction from two teams' ratings: the favourite, the margin in half points and the
// over/under total.

#include <cstdint>
#include <filesystem>

#include "season/season_store.h"

namespace tavrin {

struct GamePrediction {
  int16_t favourite = 0;  // a team number, or 0 for no favourite ("a Pick")
  float margin = 0;       // non-negative; 0 with no favourite
};

// How a pairing is played: the weekly predictions give the second-listed team its home
// advantage and cap the margin at 17; a single game prediction may be on a neutral site and
// is never capped.
struct PredictionRules {
  bool home_advantage = true;
  bool capped_margin = true;
};

// The prediction for first-listed (visiting) team a against second-listed (home) team b, from
// the store's Cqr and Weighting; the margin is not yet rounded.
GamePrediction PredictGame(const SeasonStore& store, int a, int b, PredictionRules rules = {});

// Rounds a margin above 0 to half points (.2 and below down, up to .7 to the half, above up).
float RoundMargin(float margin);

// Int(T + 0.5) with T = (AO(a) + AO(b) + AD(a) + AD(b)) / 4 * 2 in single precision.
int OverUnderTotal(const SeasonStore& store, int a, int b);

// Reads week + 1's schedule and stores each game's favourite and unrounded margin in PickTeam
// and PickMargin; a missing or damaged week predicts nothing, and every slot keeps what it held.
void PredictNextWeek(SeasonStore& store, const std::filesystem::path& folder, int week);
// The same for a week its reader found usable, already in the store.
void PredictLoadedWeek(SeasonStore& store);

}  // namespace tavrin
