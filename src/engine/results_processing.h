#pragma once
// Turns one week's final scores into the statistics after that week: records, points, averages
// and the moved ratings, then predicts the next week, rounds the figures, writes the week's
// statistics block and records the week as the last one scored.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/session.h"
#include "season/season_store.h"

namespace tavrin {

// What the user typed for one game: the first-listed and the second-listed team's score box.
struct ScoreTexts {
  std::string first;
  std::string second;
};

// A score is a whole number of points from 0 to this.
inline constexpr int MaxScore = 999;

// Where a score box sits: game g (from 1) and which of its two boxes.
struct ScoreBoxPlace {
  int game = 0;
  bool second = false;
};

// The points a score box holds: the whole number at its start (after blanks), so "21 " is 21;
// nothing for text that does not start with a digit, a fraction, or more than MaxScore.
std::optional<int> ReadScoreText(std::string_view text);

// The first of games 1..`games` whose box is filled but holds no score, if any.
std::optional<ScoreBoxPlace> FirstRefusedScore(const std::vector<ScoreTexts>& scores, int games);

// Every box of the loaded week read as processing reads it, with nothing changed: false, with
// the user told, when a box is empty or holds no score or the loaded schedule is unusable.
bool CheckWeekScores(Session& session, int week, const std::vector<ScoreTexts>& scores);

// Processes week `week` from the store as the score entry left it: statistics block week - 1
// and week `week`'s schedule loaded. scores[g - 1] holds the boxes of game g. Refused: an empty
// or refused score box, or no usable schedule. Done: block `week` written and the settings file
// rewritten. It asks nothing: a caller that may leave later weeks behind asks first.
CommandResult ProcessWeekResults(Session& session, int week, const std::vector<ScoreTexts>& scores);

// The steps before the prediction, in the store only: the week's records, points, moved ratings
// and averages. False, with the user told and nothing changed, when a box is empty or a score
// unusable or the loaded schedule unusable.
bool ApplyWeekScores(Session& session, int week, const std::vector<ScoreTexts>& scores);

// The rounding every writer of a statistics block applies first: one decimal for the ratings and
// averages, whole numbers for wins and points, and for game slots 1..15 whole second scores and
// margins in half points.
void RoundStatistics(SeasonStore& store);

}  // namespace tavrin
