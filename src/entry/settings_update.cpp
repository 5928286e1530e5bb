#include "entry/settings_update.h"

#include <fmt/format.h>

#include "engine/results_processing.h"
#include "engine/season_saving.h"
#include "platform/messages.h"
#include "season/data_files.h"
#include "season/text_convention.h"

namespace tavrin {

bool TakeSettingsForm(Session& session, const SettingsForm& form) {
  const auto year = ReadTypedWholeNumber(form.year_text, LastWorkingYear);
  if (!year || *year < FirstWorkingYear) {
    session.ui.Beep();
    session.ui.ShowMessage(fmt::format("The Working Year must be a year from {} to {}, "
                                       "written with four digits.",
                                       FirstWorkingYear, LastWorkingYear),
                           ProgramCaption, MessageIcon::Exclamation);
    return false;
  }
  const auto weeks = ReadTypedWholeNumber(form.weeks_text, MaxWeeksInSeason);
  if (!weeks || *weeks < 1) {
    session.ui.ShowMessage(
        fmt::format("The number of weeks must lie between 1 and {}.", MaxWeeksInSeason),
        ProgramCaption, MessageIcon::Exclamation);
    return false;
  }
  SeasonStore& store = session.store;
  store.WorkingYear = static_cast<int16_t>(*year);
  store.Reactivity = static_cast<float>(form.reactivity);
  store.Weighting = static_cast<float>(form.weighting);
  store.WeeksInSeason = static_cast<int16_t>(*weeks);
  store.TeamCount = SeasonTeamCountIn(session.folder, store.WorkingYear);
  return true;
}

CommandResult ApplySettings(Session& session, const SettingsForm& form) {
  const SeasonStore before = session.store;
  if (!TakeSettingsForm(session, form)) return CommandResult::Refused;
  SeasonChange change(session.folder);
  if (!SaveOrTell(session.ui, change, {WriteSettings(session.store, session.folder)})) {
    // The program goes on with the settings the file still holds, so that every later command
    // reads and writes the season the user sees on disk.
    session.store = before;
    return CommandResult::NotSaved;
  }
  return CommandResult::Done;
}

}  // namespace tavrin
