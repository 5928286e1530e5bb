#pragma once
// A team's form as the play-off odds read it: its points scored less allowed per game and its
// won-lost record this season. Each game a simulated season plays moves it, as the real games
// left will move the real one.

namespace tavrin {

struct SeasonStore;

class TeamForm {
 public:
  TeamForm() = default;

  // The team's form in the store's block. Figures a damaged block cannot mean (not finite, or
  // fewer than no games) read as a team yet to play.
  static TeamForm Of(const SeasonStore& store, int team);

  void AddGame(int scored, int allowed);

  // Net points per game and the share of games won (a tie half won), each as if the team had
  // also played one even game, so that its first games say less than a whole season will.
  double NetPointsPerGame() const;
  double WinShare() const;

 private:
  double net_points_ = 0;
  double games_ = 0;
  double wins_ = 0;
};

// The home side's margin in points (negative when the visitor is favoured): part of the
// difference in net points per game, a number of points for the difference in records, and the
// home field unless the game is on a neutral field.
double FormHomeMargin(const TeamForm& visitor, const TeamForm& home, bool home_field);

}  // namespace tavrin
