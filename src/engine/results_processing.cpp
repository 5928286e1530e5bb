#include "engine/results_processing.h"

#include <fmt/format.h>

#include <cmath>
#include <optional>

#include "engine/prediction.h"
#include "engine/season_saving.h"
#include "platform/messages.h"
#include "season/data_files.h"
#include "season/text_convention.h"

namespace tavrin {

namespace {

constexpr float RatingStepDivisor = 450.0f;
constexpr float MarginErrorLimit = 16.0f;
constexpr int LastEarlySeasonWeek = 3;
constexpr float PriorWeight = 16.0f;

struct GameScore {
  double first = 0;
  double second = 0;
  int16_t first_kept = 0;
};

bool TeamSlotsInRange(const SeasonStore& store) {
  return store.TeamCount >= 1 && store.TeamCount <= MaxTeamSlot;
}

void ShowScoreRefused(Session& session, ScoreBoxPlace place) {
  const SeasonStore& store = session.store;
  const int first = store.GameFirstTeam[place.game];
  const int second = store.GameSecondTeam[place.game];
  const std::string& team = store.LocationName[place.second ? second : first];
  session.ui.ShowMessage(
      fmt::format("Game # {}, {} at {}:\n\rthe score of {} must be a whole number from 0 to {}.",
                  place.game, store.LocationName[first], store.LocationName[second], team,
                  MaxScore),
      ProgramCaption, MessageIcon::Exclamation);
}

// Reads every box before anything changes, so that a refusal leaves the season as it was.
std::optional<std::vector<GameScore>> ReadScores(Session& session, int week,
                                                 const std::vector<ScoreTexts>& scores) {
  const int games = session.store.WeekGameCount;
  for (int game = 1; game <= games; ++game) {
    const auto index = static_cast<std::size_t>(game - 1);
    if (index >= scores.size() || scores[index].first.empty() || scores[index].second.empty()) {
      session.ui.ShowMessage("All Scores Must be Entered Before Processing.", ProgramCaption,
                             MessageIcon::Exclamation);
      return std::nullopt;
    }
  }
  if (!ScheduleUsable(session.store) || !TeamSlotsInRange(session.store)) {
    ShowScheduleUnavailable(session.ui, week);
    return std::nullopt;
  }
  if (const auto refused = FirstRefusedScore(scores, games)) {
    ShowScoreRefused(session, *refused);
    return std::nullopt;
  }
  std::vector<GameScore> read(static_cast<std::size_t>(games));
  for (int game = 1; game <= games; ++game) {
    const auto index = static_cast<std::size_t>(game - 1);
    const int first = *ReadScoreText(scores[index].first);
    read[index] = {static_cast<double>(first),
                   static_cast<double>(*ReadScoreText(scores[index].second)),
                   static_cast<int16_t>(first)};
  }
  return read;
}

float ClampMarginError(float d) {
  if (d > MarginErrorLimit) return MarginErrorLimit;
  if (d < -MarginErrorLimit) return -MarginErrorLimit;
  return d;
}

// The change is rounded to single before it meets the single rating: two roundings.
void MoveRating(SeasonStore& store, int team, float change) {
  store.Cqr[team] = static_cast<float>(static_cast<float>(store.Cqr[team]) + change);
}

// The first-listed team gains d * K and the second loses it (d may be negative).
void ShiftRatings(SeasonStore& store, int first, int second, float d, float k) {
  const float change = ClampMarginError(d) * k;
  MoveRating(store, first, change);
  MoveRating(store, second, -change);
}

void ApplyGame(SeasonStore& store, int game, const GameScore& score, float k) {
  const int a = store.GameFirstTeam[game];
  const int b = store.GameSecondTeam[game];
  const double x = score.first;
  const double y = score.second;
  const int favourite = store.PickTeam[game];
  const float predicted = store.PickMargin[game];

  if (x > y) {
    store.Wins[a] += 1;
    store.Losses[b] = static_cast<int16_t>(store.Losses[b] + 1);
    store.GameWinner[game] = static_cast<int16_t>(a);
    store.WinMargin[game] = static_cast<float>(x - y);
  } else if (y > x) {
    store.Losses[a] = static_cast<int16_t>(store.Losses[a] + 1);
    store.Wins[b] += 1;
    store.GameWinner[game] = static_cast<int16_t>(b);
    store.WinMargin[game] = static_cast<float>(y - x);
  } else {
    store.Ties[a] = static_cast<int16_t>(store.Ties[a] + 1);
    store.Ties[b] = static_cast<int16_t>(store.Ties[b] + 1);
    store.GameWinner[game] = 0;
    store.WinMargin[game] = 0;
  }

  store.PointsScored[a] = static_cast<float>(store.PointsScored[a] + x);
  store.PointsAllowed[a] = static_cast<float>(store.PointsAllowed[a] + y);
  store.PointsScored[b] = static_cast<float>(store.PointsScored[b] + y);
  store.PointsAllowed[b] = static_cast<float>(store.PointsAllowed[b] + x);

  store.FirstScore[game] = score.first_kept;
  store.SecondScore[game] = static_cast<float>(y);

  const float margin = store.WinMargin[game];
  if (x > y) {
    const float d = favourite == a ? margin - predicted : margin + predicted;
    ShiftRatings(store, a, b, d, k);
  } else if (y > x) {
    const float d = favourite == b ? margin - predicted : margin + predicted;
    ShiftRatings(store, a, b, -d, k);
  } else if (favourite == a) {
    ShiftRatings(store, a, b, -predicted, k);
  } else if (favourite == b) {
    ShiftRatings(store, a, b, predicted, k);
  }
}

void UpdateAverages(SeasonStore& store, int week) {
  for (int team = 1; team <= store.TeamCount; ++team) {
    const float games = store.Wins[team] + store.Losses[team] + store.Ties[team];
    if (week <= LastEarlySeasonWeek) {
      // Early in the season the previous average still weighs as much as 16 games.
      store.AveOffense[team] =
          (store.AveOffense[team] * PriorWeight + store.PointsScored[team]) / (PriorWeight + games);
      store.AveDefense[team] = (store.AveDefense[team] * PriorWeight + store.PointsAllowed[team]) /
                               (PriorWeight + games);
    } else if (games > 1) {
      store.AveOffense[team] = store.PointsScored[team] / games;
      store.AveDefense[team] = store.PointsAllowed[team] / games;
    }
  }
}

// Int(value * 10 + 0.5) / 10 with the product taken in the precision the value is held in:
// a rating loaded from the file or moved by a week is single, one typed in the editor double.
double RoundToTenths(double value) {
  const auto single = static_cast<float>(value);
  const double tenfold =
      static_cast<double>(single) == value ? static_cast<double>(single * 10.0f) : value * 10.0;
  return std::floor(tenfold + 0.5) / 10.0;
}

float RoundToTenths(float value) {
  return static_cast<float>(std::floor(static_cast<double>(value * 10.0f) + 0.5) / 10.0);
}

}  // namespace

std::optional<int> ReadScoreText(std::string_view text) {
  return ReadTypedWholeNumber(text, MaxScore);
}

std::optional<ScoreBoxPlace> FirstRefusedScore(const std::vector<ScoreTexts>& scores, int games) {
  for (int game = 1; game <= games && game <= static_cast<int>(scores.size()); ++game) {
    const ScoreTexts& boxes = scores[static_cast<std::size_t>(game - 1)];
    if (!boxes.first.empty() && !ReadScoreText(boxes.first)) return ScoreBoxPlace{game, false};
    if (!boxes.second.empty() && !ReadScoreText(boxes.second)) return ScoreBoxPlace{game, true};
  }
  return std::nullopt;
}

void RoundStatistics(SeasonStore& store) {
  if (!TeamSlotsInRange(store)) return;
  for (int team = 1; team <= store.TeamCount; ++team) {
    store.Cqr[team] = RoundToTenths(store.Cqr[team]);
    store.AveOffense[team] = RoundToTenths(store.AveOffense[team]);
    store.AveDefense[team] = RoundToTenths(store.AveDefense[team]);
    store.Wins[team] = std::floor(store.Wins[team]);
    store.PointsScored[team] = std::floor(store.PointsScored[team]);
    store.PointsAllowed[team] = std::floor(store.PointsAllowed[team]);
  }
  // Every game slot a week of the league can fill, whatever the loaded week holds.
  for (int game = 1; game <= MostGamesInWeek(SeasonTeamCount(store)); ++game) {
    store.SecondScore[game] = std::floor(store.SecondScore[game]);
    if (store.PickMargin[game] > 0) store.PickMargin[game] = RoundMargin(store.PickMargin[game]);
  }
}

namespace {

void ApplyReadScores(SeasonStore& store, int week, const std::vector<GameScore>& read) {
  const float k = store.Reactivity / RatingStepDivisor;
  for (int game = 1; game <= store.WeekGameCount; ++game) {
    ApplyGame(store, game, read[static_cast<std::size_t>(game - 1)], k);
  }
  UpdateAverages(store, week);
}

}  // namespace

bool CheckWeekScores(Session& session, int week, const std::vector<ScoreTexts>& scores) {
  return ReadScores(session, week, scores).has_value();
}

bool ApplyWeekScores(Session& session, int week, const std::vector<ScoreTexts>& scores) {
  const auto read = ReadScores(session, week, scores);
  if (!read) return false;
  ApplyReadScores(session.store, week, *read);
  return true;
}

CommandResult ProcessWeekResults(Session& session, int week,
                                 const std::vector<ScoreTexts>& scores) {
  const auto read = ReadScores(session, week, scores);
  if (!read) return CommandResult::Refused;
  SeasonChange change(session.folder);
  ApplyReadScores(session.store, week, *read);
  SeasonStore& store = session.store;
  PredictNextWeek(store, session.folder, week);
  RoundStatistics(store);

  const int16_t last_scored = store.LastScoredWeek;
  store.LastScoredWeek = static_cast<int16_t>(week);
  if (!SaveOrTell(
          session.ui, change,
          {WriteStatsBlock(store, session.folder, week), WriteSettings(store, session.folder)})) {
    store.LastScoredWeek = last_scored;
    return CommandResult::NotSaved;
  }
  return CommandResult::Done;
}

}  // namespace tavrin
