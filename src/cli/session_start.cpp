#include "cli/session_start.h"

#include "league/league_names.h"
#include "season/data_files.h"

namespace tavrin::cli {

bool StartSession(Session& session) {
  SeasonStore& store = session.store;
  const bool settings_read = ReadSettings(store, session.folder);
  store.TeamCount = SeasonTeamCountIn(session.folder, store.WorkingYear);
  const bool names_read = ReadSeasonNames(store, session.folder);
  store.DayName = {"",          "Sunday",   "Monday", "Tuesday",
                   "Wednesday", "Thursday", "Friday", "Saturday"};
  if (settings_read && names_read) return true;
  session.ui.ShowMessage(
      "Cannot Load file TavSE.dat or TavNM.dat.\n\rPlease exit and check working "
      "directory.\n\r\n\r",
      "Tavrin Loading....", MessageIcon::Exclamation);
  return false;
}

bool HoldsSeason(const std::filesystem::path& folder) {
  std::error_code error;
  for (const char* name : {SettingsFileName, NamesFileName, ThirtyTwoTeamNamesFileName}) {
    if (std::filesystem::exists(folder / name, error)) return true;
  }
  return false;
}

}  // namespace tavrin::cli
