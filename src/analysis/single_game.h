#pragma once
// Predicting a chosen pairing with the latest ratings: play-off games, neutral-site games and
// what-ifs. Unlike the weekly prediction the margin has no cap, is rounded at once, and a
// neutral site leaves out the home advantage.

#include <string>

#include "engine/prediction.h"
#include "platform/session.h"
#include "season/season_store.h"

namespace tavrin {

// The list's first line when the window opens, and the one it gets after clearing (two spaces
// fewer before "O/U").
// A prediction line: the pairing and the prediction padded to 54, the two-digit total.
inline constexpr int SingleGameLineLength = 56;

inline constexpr const char* SpecialsOpeningHeader =
    "     -- Teams --                Prediction           O/U";
inline constexpr const char* SpecialsClearedHeader =
    "     -- Teams --                Prediction         O/U";

// Opening the window: loads block LastScoredWeek, the block that opens the next week. False
// after the "Unable to Load the Statistics" message when it holds no predictions.
bool LoadSpecialsRatings(Session& session);

// The prediction for first-listed team a against second-listed team b.
GamePrediction PredictSingleGame(const SeasonStore& store, int a, int b, bool neutral);

// The list line: the pairing (" at ", or " & " on a neutral site) padded to 32, the prediction
// padded to 54, the over/under total.
std::string SingleGameLine(const SeasonStore& store, int a, int b, bool neutral);

}  // namespace tavrin
