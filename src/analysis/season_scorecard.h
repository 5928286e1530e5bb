#pragma once
// How well the predictions have done: picks, margin and over/under errors and the Brier score of
// the win probabilities, week by week and for the season, for Tavrin and, when the season's betting
// lines are known, for the market beside it.

#include <optional>
#include <vector>

#include "season/market_lines.h"

namespace tavrin {

// One game of a scored week: the prediction stored in the block that opened the week and the result
// recorded in the block that closed it.
struct PlayedGame {
  int week = 0;
  int visitor = 0;
  int home = 0;
  int favourite = 0;  // 0 for a Pick
  double margin = 0;  // as stored, after Weighting
  int over_under = 0;
  double visitor_score = 0;
  double home_score = 0;
};

// One forecaster's figures over a set of games. Games without a winner count in the errors but not
// among the picks nor in the Brier score, which needs an outcome to score against.
struct ForecastFigures {
  int games = 0;
  int picked = 0;  // games with a favourite and a winner
  int right = 0;
  int margins = 0;
  double margin_error = 0;  // sum of |predicted home margin - real home margin|
  int totals = 0;
  double total_error = 0;  // sum of |predicted total - real total|
  int decided = 0;
  double brier = 0;  // sum of (home win probability - home won)^2

  double PickPercentage() const;  // 0 with nothing picked
  double MeanMarginError() const;
  double MeanTotalError() const;
  double BrierScore() const;
  void Add(const ForecastFigures& other);
};

// Games where Tavrin takes a side against a line (its figure differs from the line) and the result
// does not land on the line, and how often its side came through.
struct LineRecord {
  int games = 0;
  int won = 0;
};

struct ScorecardWeek {
  int week = 0;
  ForecastFigures tavrin;
  ForecastFigures market;
};

struct Scorecard {
  bool market_known = false;  // the season has betting lines
  std::vector<ScorecardWeek> weeks;
  ForecastFigures tavrin;
  ForecastFigures market;
  LineRecord against_spread;
  LineRecord on_totals;
};

// The figures of weeks 1..last_week from the games of those weeks; `lines` are the season's betting
// lines (empty when not known), matched to the games by week and teams.
Scorecard BuildScorecard(const std::vector<PlayedGame>& games, const std::vector<MarketLine>& lines,
                         int last_week);

// The predicted margin seen from the home team: negative when the visitor is favoured, 0 for a Pick
// or a favourite that is neither team.
double PredictedHomeMargin(const PlayedGame& game);

// The pick percentage of weeks 1..w for every week w of the scorecard; nothing for a week by
// which no game has been picked.
std::vector<std::optional<double>> CumulativePickPercentages(const Scorecard& scorecard,
                                                             bool market);

}  // namespace tavrin
