#include "app/new_season_command.h"

#include <fmt/format.h>

#include <filesystem>

#include "demo/first_season_start.h"
#include "entry/new_season.h"
#include "platform/messages.h"
#include "season/data_files.h"

namespace tavrin {

namespace {

bool FileExists(const std::filesystem::path& file) {
  std::error_code error;
  return std::filesystem::exists(file, error);
}

bool WeekOneScheduled(const Session& session) {
  SeasonStore week_one = session.store;
  return ReadScheduleWeek(week_one, session.folder, 1);
}

}  // namespace

CommandResult RunNewSeasonCommand(Session& session) {
  const SeasonStore& store = session.store;
  const int year = store.WorkingYear;
  if (FileExists(session.folder / StatisticsFileName(year - 1)) ||
      FileExists(session.folder / StatisticsFileName(year))) {
    return RunNewSeasonSetup(session);
  }
  const std::string first_season = fmt::format(
      "{} is the first season in this folder: there is no season {} to carry the ratings from.",
      year, year - 1);
  if (!WeekOneScheduled(session)) {
    session.ui.ShowMessage(first_season +
                               "\n\rEnter the schedule of Week # 1 first (Schedules, Enter / Edit "
                               "Schedule), then choose New Season Setup again.",
                           ProgramCaption, MessageIcon::Information);
    return CommandResult::Refused;
  }
  if (!session.ui.AskYesNo(first_season + fmt::format("\n\rStart {} with every team rated {:.1f}?",
                                                      year, demo::FirstSeasonRating),
                           ProgramCaption, MessageIcon::Information, DefaultButton::First)) {
    return CommandResult::Declined;
  }
  if (!demo::WriteFirstSeasonStart(session)) {
    ShowSaveFailure(session.ui);
    return CommandResult::NotSaved;
  }
  session.ui.ShowMessage(fmt::format("Season {} is ready for the scores of Week # 1.", year),
                         ProgramCaption, MessageIcon::Information);
  return CommandResult::Done;
}

}  // namespace tavrin
