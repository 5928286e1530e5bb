#include "analysis/season_scorecard.h"

#include <cmath>
#include <map>
#include <tuple>

#include "engine/win_probability.h"

namespace tavrin {

namespace {

// What one forecaster said about one game, seen from the home team.
struct GameForecast {
  int favourite_side = 0;  // +1 home, -1 visitor, 0 none
  std::optional<double> home_margin;
  std::optional<double> total;
  double home_probability = 0.5;
};

double Ratio(double sum, int count) { return count == 0 ? 0.0 : sum / count; }

int SideOf(double home_margin) { return home_margin > 0 ? 1 : home_margin < 0 ? -1 : 0; }

GameForecast TavrinForecast(const PlayedGame& game) {
  GameForecast forecast;
  // A favourite that is neither team (the schedule changed after the prediction) takes no side.
  forecast.favourite_side = game.favourite == game.home      ? 1
                            : game.favourite == game.visitor ? -1
                                                             : 0;
  forecast.home_margin = PredictedHomeMargin(game);
  forecast.total = game.over_under;
  forecast.home_probability = FavouriteWinProbability(*forecast.home_margin, PredictionMarginSigma);
  return forecast;
}

GameForecast MarketForecast(const MarketLine& line) {
  GameForecast forecast;
  if (line.spread) {
    forecast.favourite_side = SideOf(*line.spread);
    forecast.home_margin = line.spread;
    forecast.home_probability = FavouriteWinProbability(*line.spread, MarketMarginSigma);
  }
  forecast.total = line.total;
  return forecast;
}

void Score(ForecastFigures& figures, const GameForecast& forecast, const PlayedGame& game) {
  const double real_margin = game.home_score - game.visitor_score;
  const int winner_side = SideOf(real_margin);
  ++figures.games;
  if (forecast.home_margin) {
    ++figures.margins;
    figures.margin_error += std::fabs(*forecast.home_margin - real_margin);
  }
  if (forecast.total) {
    ++figures.totals;
    figures.total_error += std::fabs(*forecast.total - (game.home_score + game.visitor_score));
  }
  // Without a line the market gave no probability to score.
  if (winner_side == 0 || !forecast.home_margin) return;
  if (forecast.favourite_side != 0) {
    ++figures.picked;
    if (forecast.favourite_side == winner_side) ++figures.right;
  }
  ++figures.decided;
  const double outcome = winner_side > 0 ? 1.0 : 0.0;
  figures.brier += (forecast.home_probability - outcome) * (forecast.home_probability - outcome);
}

// Tavrin's side of a line: the result must beat the line on the side Tavrin's figure lies.
void ScoreAgainstLine(LineRecord& record, double tavrin, double line, double real) {
  if (tavrin == line || real == line) return;
  ++record.games;
  if ((tavrin > line) == (real > line)) ++record.won;
}

using GameKey = std::tuple<int, int, int>;

}  // namespace

double ForecastFigures::PickPercentage() const { return Ratio(100.0 * right, picked); }
double ForecastFigures::MeanMarginError() const { return Ratio(margin_error, margins); }
double ForecastFigures::MeanTotalError() const { return Ratio(total_error, totals); }
double ForecastFigures::BrierScore() const { return Ratio(brier, decided); }

void ForecastFigures::Add(const ForecastFigures& other) {
  games += other.games;
  picked += other.picked;
  right += other.right;
  margins += other.margins;
  margin_error += other.margin_error;
  totals += other.totals;
  total_error += other.total_error;
  decided += other.decided;
  brier += other.brier;
}

double PredictedHomeMargin(const PlayedGame& game) {
  if (game.favourite == game.home) return game.margin;
  if (game.favourite == game.visitor) return -game.margin;
  return 0.0;
}

Scorecard BuildScorecard(const std::vector<PlayedGame>& games, const std::vector<MarketLine>& lines,
                         int last_week) {
  std::map<GameKey, const MarketLine*> line_of;
  for (const MarketLine& line : lines)
    line_of.emplace(GameKey{line.week, line.visitor, line.home}, &line);

  Scorecard scorecard;
  scorecard.market_known = !lines.empty();
  for (int week = 1; week <= last_week; ++week) scorecard.weeks.push_back({week, {}, {}});
  for (const PlayedGame& game : games) {
    if (game.week < 1 || game.week > last_week) continue;
    ScorecardWeek& week = scorecard.weeks[game.week - 1];
    const GameForecast tavrin = TavrinForecast(game);
    Score(week.tavrin, tavrin, game);
    const auto found = line_of.find(GameKey{game.week, game.visitor, game.home});
    if (found == line_of.end()) continue;
    const MarketLine& line = *found->second;
    Score(week.market, MarketForecast(line), game);
    if (line.spread) {
      ScoreAgainstLine(scorecard.against_spread, *tavrin.home_margin, *line.spread,
                       game.home_score - game.visitor_score);
    }
    if (line.total) {
      ScoreAgainstLine(scorecard.on_totals, *tavrin.total, *line.total,
                       game.home_score + game.visitor_score);
    }
  }
  for (const ScorecardWeek& week : scorecard.weeks) {
    scorecard.tavrin.Add(week.tavrin);
    scorecard.market.Add(week.market);
  }
  return scorecard;
}

std::vector<std::optional<double>> CumulativePickPercentages(const Scorecard& scorecard,
                                                             bool market) {
  std::vector<std::optional<double>> percentages;
  ForecastFigures so_far;
  for (const ScorecardWeek& week : scorecard.weeks) {
    so_far.Add(market ? week.market : week.tavrin);
    percentages.push_back(so_far.picked == 0 ? std::nullopt
                                             : std::optional<double>(so_far.PickPercentage()));
  }
  return percentages;
}

}  // namespace tavrin
