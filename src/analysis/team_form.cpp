#include "analysis/team_form.h"

#include <cmath>

#include "season/season_store.h"

namespace tavrin {
namespace {

// Fitted on the recorded 1999 and 2000 seasons with the form moving inside each run; the
// figures are in playoff_odds.cpp. The net points foretell more than the record, but the record
// adds what they miss: in 2000 the division winners were the teams that won their close games.
constexpr double EvenGamesBefore = 1.0;
constexpr double NetPointsShare = 0.6;
constexpr double PointsForWholeRecord = 15.0;  // between winning every game and losing every one
constexpr double HomeFieldPoints = 2.5;

}  // namespace

TeamForm TeamForm::Of(const SeasonStore& store, int team) {
  TeamForm form;
  const double wins = store.Wins[team];
  const double games = wins + store.Losses[team] + store.Ties[team];
  const double net = static_cast<double>(store.PointsScored[team]) - store.PointsAllowed[team];
  if (!std::isfinite(games) || !std::isfinite(net) || wins < 0 || store.Losses[team] < 0 ||
      store.Ties[team] < 0) {
    return form;
  }
  form.net_points_ = net;
  form.games_ = games;
  form.wins_ = wins + 0.5 * store.Ties[team];
  return form;
}

void TeamForm::AddGame(int scored, int allowed) {
  net_points_ += scored - allowed;
  games_ += 1;
  wins_ += scored > allowed ? 1.0 : scored == allowed ? 0.5 : 0.0;
}

double TeamForm::NetPointsPerGame() const { return net_points_ / (games_ + EvenGamesBefore); }

double TeamForm::WinShare() const {
  return (wins_ + 0.5 * EvenGamesBefore) / (games_ + EvenGamesBefore);
}

double FormHomeMargin(const TeamForm& visitor, const TeamForm& home, bool home_field) {
  return NetPointsShare * (home.NetPointsPerGame() - visitor.NetPointsPerGame()) +
         PointsForWholeRecord * (home.WinShare() - visitor.WinShare()) +
         (home_field ? HomeFieldPoints : 0.0);
}

}  // namespace tavrin
