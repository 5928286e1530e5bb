#include "entry/score_entry.h"

#include <fmt/format.h>

#include "engine/recorded_scores.h"
#include "platform/messages.h"
#include "season/data_files.h"

namespace tavrin {

namespace {

void ShowSchedulesMissing(UserInterface& ui, int week) {
  ui.ShowMessage(
      fmt::format("Error! Make sure Schedules for Week # {}\n\rand Week # {} are available.", week,
                  week + 1),
      ProgramCaption, MessageIcon::Exclamation);
}

// Week W's schedule, and week W + 1's unless W is the last week; "error" when either is missing.
bool ReadScoringSchedules(Session& session, int week) {
  SeasonStore& store = session.store;
  if (week < store.WeeksInSeason) {
    ReadScheduleWeek(store, session.folder, week + 1);
    if (store.ScheduleStatus == StatusError) return false;
  }
  ReadScheduleWeek(store, session.folder, week);
  return store.ScheduleStatus != StatusError;
}

}  // namespace

bool CheckScoreEntryBlock(Session& session, int week) {
  SeasonStore& store = session.store;
  if (week < 1 || week > store.WeeksInSeason) {
    session.ui.ShowMessage("Please enter the week Number.", ProgramCaption, MessageIcon::None);
    return false;
  }
  store.SelectedWeek = static_cast<int16_t>(week);
  session.ui.ShowBusyPointer();
  LoadStatsBlock(store, session.folder);
  return CheckBlockCurrent(session, week - 1, week - 1);
}

bool LoadScoreEntryWeek(Session& session, int week) {
  SeasonStore& store = session.store;
  if (!ReadScoringSchedules(session, week)) {
    if (!ShowWhenScheduleWeekDamaged(session, week + 1) &&
        !ShowWhenScheduleWeekDamaged(session, week)) {
      ShowSchedulesMissing(session.ui, week);
    }
    return false;
  }
  if (store.WeekGameCount > MaxScoredGames) {
    session.ui.ShowMessage(
        fmt::format("Week # {} has {} games.\n\rScores can be entered for at most {} games a week.",
                    week, store.WeekGameCount, MaxScoredGames),
        ProgramCaption, MessageIcon::Exclamation);
    return false;
  }
  return true;
}

bool OpenScoreEntry(Session& session, int week) {
  return CheckScoreEntryBlock(session, week) && LoadScoreEntryWeek(session, week);
}

}  // namespace tavrin
