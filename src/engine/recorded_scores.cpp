#include "engine/recorded_scores.h"

#include <fmt/format.h>

#include <string_view>

#include "platform/messages.h"
#include "season/data_files.h"

namespace tavrin {

bool BlockHasRecordedScores(const SeasonStore& store) {
  return store.FirstScore[1] != 0 || store.SecondScore[1] != 0 || store.FirstScore[2] != 0 ||
         store.SecondScore[2] != 0;
}

bool BlockLeftBehind(const SeasonStore& store, int block) { return block > store.LastScoredWeek; }

bool LoadBlockToShow(Session& session, int block, int current_week) {
  if (!LoadStatsBlock(session.store, session.folder, block) ||
      !BlockHasRecordedScores(session.store)) {
    if (!ShowWhenStatsBlockDamaged(session, block)) ShowScoresNotCurrent(session.ui, current_week);
    return false;
  }
  if (BlockLeftBehind(session.store, block)) {
    ShowScoresToEnterAgain(session.ui, block);
    return false;
  }
  return true;
}

bool LoadLastScoredBlock(Session& session) {
  SeasonStore& store = session.store;
  if (LoadStatsBlock(store, session.folder, store.LastScoredWeek) && BlockHasRecordedScores(store))
    return true;
  ShowScoresNotCurrent(session.ui, store.LastScoredWeek);
  return false;
}

namespace {

// "<file> is damaged at week <week>: its <what> for that week cannot be read." and the remedy.
void ShowDamagedWeek(UserInterface& ui, const std::string& file_name, int week,
                     std::string_view what, const std::string& remedy) {
  ui.ShowMessage(fmt::format("{} is damaged at week {}: its {} for that week cannot be read.\n\r{}",
                             file_name, week, what, remedy),
                 ProgramCaption, MessageIcon::Exclamation);
}

}  // namespace

bool ShowWhenStatsBlockDamaged(Session& session, int block) {
  if (!StatsBlockDamaged(session.store, session.folder, block)) return false;
  ShowDamagedWeek(session.ui, StatisticsFileName(session.store.WorkingYear), block, "figures",
                  fmt::format("Enter the scores of week {} again to write them anew.", block));
  return true;
}

bool ShowWhenScheduleWeekDamaged(Session& session, int week) {
  if (!ScheduleWeekDamaged(session.store, session.folder, week)) return false;
  ShowDamagedWeek(session.ui, ScheduleFileName(session.store.WorkingYear), week, "games",
                  fmt::format("Save the schedule of week {} again in schedule entry.", week));
  return true;
}

void ShowScoresToEnterAgain(UserInterface& ui, int week) {
  ui.ShowMessage(
      fmt::format("Cannot Complete Action....\n\rThe scores of Week # {} must be entered again:\n\r"
                  "an earlier week was processed after them.",
                  week),
      ProgramCaption, MessageIcon::Exclamation);
}

bool WeekHasBeenScored(const SeasonStore& store, const std::filesystem::path& folder, int week) {
  if (week < 1 || week > store.LastScoredWeek) return false;
  SeasonStore block = store;
  return LoadStatsBlockNumber(block, folder, week) && BlockHasRecordedScores(block);
}

void ShowScoresNotCurrent(UserInterface& ui, int week) {
  ui.ShowMessage(
      fmt::format("Cannot Complete Action....\n\rScores must be current thru Week # {}.", week),
      ProgramCaption, MessageIcon::Exclamation);
}

}  // namespace tavrin
