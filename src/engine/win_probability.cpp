#include "engine/win_probability.h"

#include <cmath>

namespace tavrin {

// Provisional until fitted against the shared seasons.
const double PredictionMarginSigma = 16.0;

double FavouriteWinProbability(double margin, double sigma) {
  if (!(sigma > 0) || !std::isfinite(margin)) return 0.5;
  return 0.5 * std::erfc(-margin / (sigma * std::sqrt(2.0)));
}

}  // namespace tavrin
