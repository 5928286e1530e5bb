#include "entry/score_entry.h"

#include <fmt/format.h>

#include "engine/recorded_scores.h"
#include "platform/messages.h"
#include "season/data_files.h"
#include "season/text_convention.h"

namespace tavrin {

namespace {

void ShowSchedulesMissing(UserInterface& ui, int week) {
  ui.ShowMessage(
      fmt::format("Error! Make sure Schedules for Week # {}\n\rand Week # {} are available.", week,
                  week + 1),
      ProgramCaption, MessageIcon::Exclamation);
}

// Week W's schedule, and week W + 1's unless W is the last week; false when either is missing.
bool ReadScoringSchedules(Session& session, int week) {
  SeasonStore& store = session.store;
  if (week < store.WeeksInSeason && !ReadScheduleWeek(store, session.folder, week + 1)) {
    return false;
  }
  return ReadScheduleWeek(store, session.folder, week);
}

// A week processed before the last scored one leaves the later weeks' blocks behind it.
bool LaterWeeksMayBeLeftBehind(Session& session, int week) {
  const int last = session.store.LastScoredWeek;
  if (week >= last) return true;
  const std::string later = week + 1 == last ? fmt::format("week {}", last)
                                             : fmt::format("weeks {} to {}", week + 1, last);
  return session.ui.AskYesNo(
      fmt::format("Week {} comes before the last scored week, {}.\n\rAfter processing it, the "
                  "scores of {} must be entered again.\n\rProcess week {} anyway?",
                  week, last, later, week),
      ProgramCaption, MessageIcon::Exclamation, DefaultButton::Second);
}

}  // namespace

bool CheckScoreEntryBlock(Session& session, int week) {
  SeasonStore& store = session.store;
  if (week < 1 || week > store.WeeksInSeason) {
    session.ui.ShowMessage("Please enter the week Number.", ProgramCaption, MessageIcon::None);
    return false;
  }
  session.ui.ShowBusyPointer();
  return LoadBlockToShow(session, week - 1, week - 1);
}

bool LoadScoreEntryWeek(Session& session, int week, int rows) {
  SeasonStore& store = session.store;
  if (!ReadScoringSchedules(session, week)) {
    if (!ShowWhenScheduleWeekDamaged(session, week + 1) &&
        !ShowWhenScheduleWeekDamaged(session, week)) {
      ShowSchedulesMissing(session.ui, week);
    }
    return false;
  }
  if (store.WeekGameCount > rows) {
    session.ui.ShowMessage(
        fmt::format("Week # {} has {} games.\n\rScores can be entered for at most {} games a week.",
                    week, store.WeekGameCount, rows),
        ProgramCaption, MessageIcon::Exclamation);
    return false;
  }
  return true;
}

bool OpenScoreEntry(Session& session, int week) {
  return CheckScoreEntryBlock(session, week) &&
         LoadScoreEntryWeek(session, week, MostGamesInWeek(SeasonTeamCount(session.store)));
}

std::vector<ScoreTexts> RecordedScoreTexts(const SeasonStore& store,
                                           const std::filesystem::path& folder, int week) {
  if (!WeekHasBeenScored(store, folder, week)) return {};
  SeasonStore block = store;
  if (!LoadStatsBlockNumber(block, folder, week)) return {};
  std::vector<ScoreTexts> scores;
  for (int game = 1; game <= store.WeekGameCount && game <= MaxScheduleSlot; ++game) {
    scores.push_back({GeneralNumber(static_cast<int>(block.FirstScore[game])),
                      GeneralNumber(block.SecondScore[game])});
  }
  return scores;
}

std::optional<ScoreBoxPlace> FirstEmptyScore(const std::vector<ScoreTexts>& scores, int games) {
  for (int game = 1; game <= games; ++game) {
    const auto index = static_cast<std::size_t>(game - 1);
    if (index >= scores.size() || scores[index].first.empty()) return ScoreBoxPlace{game, false};
    if (scores[index].second.empty()) return ScoreBoxPlace{game, true};
  }
  return std::nullopt;
}

void ShowScoreMissing(Session& session, ScoreBoxPlace place) {
  const SeasonStore& store = session.store;
  const auto location = [&store](int team) {
    return IsSeasonTeam(store, team) ? store.LocationName[team] : std::string();
  };
  const std::string first = location(store.GameFirstTeam[place.game]);
  const std::string second = location(store.GameSecondTeam[place.game]);
  session.ui.ShowMessage(fmt::format("Game # {}, {} at {}:\n\rthe score of {} is missing.",
                                     place.game, first, second, place.second ? second : first),
                         ProgramCaption, MessageIcon::Exclamation);
}

CommandResult EnterScores(Session& session, int week, const std::vector<ScoreTexts>& scores) {
  // Every box is read before the question, and the question comes before anything changes.
  if (!CheckWeekScores(session, week, scores)) return CommandResult::Refused;
  if (!LaterWeeksMayBeLeftBehind(session, week)) return CommandResult::Declined;
  return ProcessWeekResults(session, week, scores);
}

}  // namespace tavrin
