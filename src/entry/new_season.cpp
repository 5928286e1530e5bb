#include "entry/new_season.h"

#include <fmt/format.h>

#include <optional>

#include "engine/prediction.h"
#include "engine/recorded_scores.h"
#include "engine/results_processing.h"
#include "engine/season_saving.h"
#include "entry/league_crossing.h"
#include "platform/messages.h"
#include "season/data_files.h"
#include "season/text_convention.h"

namespace tavrin {

namespace {

// Last season had 14 to 19 weeks; the answer is checked as weeks + 1.
constexpr int FewestWeeksPlusOne = 15;
constexpr int MostWeeksPlusOne = 20;

const char* const ConditionsQuestion =
    "This function processes the Statistics from \n\r"
    "last season, with the new schedule to produce\n\r"
    "predictions for the first week of the new season.\n\r"
    "\n\r"
    "The following conditions must be met to continue!\n\r"
    "\n\r"
    " 1. All scores were recorded for last season.\n\r"
    " 2. The Working year number in the Program\n\r"
    "     Settings section has been updated for\n\r"
    "     the new season.\n\r"
    " 3. The schedule has been entered for the first\n\r"
    "     two weeks of the new season.\n\r"
    "\n\r"
    "     CONTINUE?          Select 'NO' to Exit";

// Last season's length plus one, asked until it lies in range; nothing when the user cancels.
std::optional<int> AskLastSeasonWeeksPlusOne(Session& session, int last_year) {
  const std::string prompt = fmt::format(
      "Enter the number of weeks in the '{}\n\r(last) season including 'bye' weeks.\n\r"
      "This info is needed for accessing the\n\rlast regular season weekly statistic record.",
      last_year);
  for (;;) {
    const auto answer = session.ui.InputBox(prompt, ProgramCaption, "17");
    if (!answer || answer->empty()) return std::nullopt;
    // Read as every week box is: "16.5" is refused rather than rounded to a week.
    const auto weeks = ReadTypedWholeNumber(*answer, MostWeeksPlusOne - 1);
    if (weeks && *weeks + 1 >= FewestWeeksPlusOne) return *weeks + 1;
    session.ui.Beep();
  }
}

// Loads block `weeks` of last season's file, as many records a block as last season's league
// had teams; WorkingYear and TeamCount name the new season again afterwards. False when the
// block cannot be used.
bool LoadLastSeasonFinalBlock(Session& session, int new_year, int weeks_plus_one) {
  SeasonStore& store = session.store;
  const int16_t team_count = store.TeamCount;
  store.WorkingYear = static_cast<int16_t>(new_year - 1);
  store.TeamCount = TeamCountOfYear(new_year - 1);
  const bool loaded = LoadStatsBlock(store, session.folder, weeks_plus_one - 1);
  store.WorkingYear = static_cast<int16_t>(new_year);
  store.TeamCount = team_count;
  return loaded;
}

void ClearRecordsAndPoints(SeasonStore& store) {
  for (int team = 1; team <= store.TeamCount && team <= MaxTeamSlot; ++team) {
    store.Wins[team] = 0;
    store.Losses[team] = 0;
    store.Ties[team] = 0;
    store.PointsScored[team] = 0;
    store.PointsAllowed[team] = 0;
  }
}

}  // namespace

CommandResult RunNewSeasonSetup(Session& session) {
  SeasonStore& store = session.store;
  if (!session.ui.AskYesNo(ConditionsQuestion, ProgramCaption, MessageIcon::Critical,
                           DefaultButton::Second)) {
    return CommandResult::Declined;
  }
  const int new_year = store.WorkingYear;
  const auto weeks_plus_one = AskLastSeasonWeeksPlusOne(session, new_year - 1);
  if (!weeks_plus_one) return CommandResult::Declined;

  if (!LoadLastSeasonFinalBlock(session, new_year, *weeks_plus_one)) {
    ShowScoresNotCurrent(session.ui, *weeks_plus_one - 1);
    return CommandResult::Refused;
  }
  if (!ReadScheduleWeek(store, session.folder, 1)) {
    session.ui.ShowMessage("Error! Schedule for Week # 1\n\rnot available.", ProgramCaption,
                           MessageIcon::Exclamation);
    return CommandResult::Refused;
  }

  const auto crossing = CrossingInto(new_year);
  if (crossing) CarryByFranchise(store, *crossing);
  PredictNextWeek(store, session.folder, 0);
  RoundStatistics(store);
  ClearRecordsAndPoints(store);
  SeasonChange change(session.folder);
  const SeasonStore before = store;
  const Outcome<void> names =
      crossing ? TakeNewLeagueNames(session, crossing->next) : Outcome<void>{};
  store.LastScoredWeek = 0;
  if (!SaveOrTell(session.ui, change,
                  {names, WriteStatsBlock(store, session.folder, 0),
                   WriteSettings(store, session.folder)})) {
    store.LocationName = before.LocationName;
    store.TeamName = before.TeamName;
    store.LastScoredWeek = before.LastScoredWeek;
    return CommandResult::NotSaved;
  }
  return CommandResult::Done;
}

}  // namespace tavrin
