#pragma once
// How far to trust a prediction: the chance that the favourite wins, from the predicted margin.

namespace tavrin {

// The spread of real margins around Tavrin's predicted margin, in points. Fitted on the 1999
// and 2000 seasons by the lowest Brier score of their predictions (see win_probability.cpp).
extern const double PredictionMarginSigma;

// The spread of real margins around a betting market's line, in points.
inline constexpr double MarketMarginSigma = 13.5;

// Phi(margin / sigma): the favourite's chance to win a game predicted by `margin` points
// (as stored, after Weighting). A Pick (margin 0) is an even chance.
double FavouriteWinProbability(double margin, double sigma = PredictionMarginSigma);

}  // namespace tavrin
