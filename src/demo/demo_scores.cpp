#include "demo/demo_scores.h"

#include <algorithm>

namespace tavrin::demo {
namespace {

// Chances are in per mille. With these a typical game ends about 21-20, a touchdown a side
// every five drives and a field goal every eight.
constexpr int StrengthSpread = 60;
constexpr int YearlyDrift = 25;
constexpr int TouchdownChance = 185;
constexpr int FieldGoalChance = 130;
constexpr int SafetyChance = 4;
constexpr int HomeEdge = 15;
constexpr int MinTouchdownChance = 70;
constexpr int MaxTouchdownChance = 380;
constexpr int OvertimeScoreChance = 900;
constexpr int OvertimeTouchdownChance = 400;

int Clamp(int value, int low, int high) { return std::min(std::max(value, low), high); }

int TouchdownChanceFor(const TeamStrength& offense, const TeamStrength& defense, bool home) {
  return Clamp(TouchdownChance + offense.offense - defense.defense + (home ? HomeEdge : 0),
               MinTouchdownChance, MaxTouchdownChance);
}

// Points of one possession, and the defence's 2 on the rare safety.
void PlayPossession(int touchdown, int& own, int& other, DemoRandom& rng) {
  const int roll = rng.Below(1000);
  if (roll < touchdown) {
    const int conversion = rng.Below(100);
    own += conversion < 2 ? 8 : conversion < 6 ? 6 : 7;
  } else if (roll < touchdown + FieldGoalChance) {
    own += 3;
  } else if (roll < touchdown + FieldGoalChance + SafetyChance) {
    other += 2;
  }
}

}  // namespace

LeagueStrengths DrawStrengths(DemoRandom& rng, int teams) {
  LeagueStrengths strengths{};
  for (int t = 1; t <= teams; ++t)
    strengths[t] = {rng.Between(-StrengthSpread, StrengthSpread),
                    rng.Between(-StrengthSpread, StrengthSpread)};
  return strengths;
}

LeagueStrengths NextSeasonStrengths(const LeagueStrengths& last, DemoRandom& rng, int teams) {
  LeagueStrengths next = last;
  for (int t = 1; t <= teams; ++t) {
    next[t].offense = Clamp(last[t].offense + rng.Between(-YearlyDrift, YearlyDrift),
                            -StrengthSpread, StrengthSpread);
    next[t].defense = Clamp(last[t].defense + rng.Between(-YearlyDrift, YearlyDrift),
                            -StrengthSpread, StrengthSpread);
  }
  return next;
}

FinalScore SimulateGame(const LeagueStrengths& strengths, int visitor, int home, DemoRandom& rng) {
  const int visitor_touchdown = TouchdownChanceFor(strengths[visitor], strengths[home], false);
  const int home_touchdown = TouchdownChanceFor(strengths[home], strengths[visitor], true);
  FinalScore score;
  const int possessions = rng.Between(10, 12);
  for (int p = 0; p < possessions; ++p) {
    PlayPossession(visitor_touchdown, score.first, score.second, rng);
    PlayPossession(home_touchdown, score.second, score.first, rng);
  }
  if (score.first != score.second) return score;
  const bool scoreless = score.first == 0;
  if (scoreless || rng.Below(1000) < OvertimeScoreChance) {
    const bool visitor_scores = rng.Below(visitor_touchdown + home_touchdown) < visitor_touchdown;
    const int points = !scoreless && rng.Below(1000) < OvertimeTouchdownChance ? 6 : 3;
    (visitor_scores ? score.first : score.second) += points;
  }
  return score;
}

}  // namespace tavrin::demo
