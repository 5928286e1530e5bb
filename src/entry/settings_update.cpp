#include "entry/settings_update.h"

#include <fmt/format.h>

#include "engine/results_processing.h"
#include "season/data_files.h"
#include "season/text_convention.h"

namespace tavrin {

SettingsResult ApplySettings(Session& session, const SettingsForm& form) {
  const double year_value = ReadLenientNumber(form.year_text);
  const auto year = ToInt16(year_value);
  if (year_value < FirstWorkingYear || !year) {
    session.ui.Beep();
    return SettingsResult::YearRefused;
  }
  const auto weeks = ToInt16(ReadLenientNumber(form.weeks_text));
  if (!weeks || *weeks < 1 || *weeks > MaxWeeksInSeason) {
    session.ui.ShowMessage(
        fmt::format("The number of weeks must lie between 1 and {}.", MaxWeeksInSeason), "Tavrin",
        MessageIcon::Exclamation);
    return SettingsResult::WeeksRefused;
  }
  SeasonStore& store = session.store;
  store.WorkingYear = *year;
  store.Reactivity = static_cast<float>(form.reactivity);
  store.Weighting = static_cast<float>(form.weighting);
  store.WeeksInSeason = *weeks;
  const bool written = WriteSettings(store, session.folder);
  store.TeamCount = LeagueTeamCount;
  if (!written) {
    ReportSaveFailure(session.ui, SettingsFileName);
    return SettingsResult::NotSaved;
  }
  return SettingsResult::Saved;
}

}  // namespace tavrin
