#include "app/season_offer.h"

#include <fmt/format.h>

#include "demo/demo_folder.h"
#include "demo/demo_teams.h"
#include "engine/season_saving.h"
#include "entry/settings_update.h"
#include "platform/messages.h"
#include "season/data_files.h"

namespace tavrin {

namespace {

constexpr int NewSeasonWeeks = 17;
constexpr int NewSeasonPercent = 100;

// Settings for the typed year and the league's names, written together or not at all: settings
// alone would pass for a season at the next start. True when both files were written.
bool StartEmptySeason(Session& session) {
  const std::string today = session.ui.TodayText();
  const auto year =
      session.ui.InputBox("Enter the year of the new season (four digits):", ProgramCaption,
                          today.size() >= 4 ? today.substr(today.size() - 4) : "");
  if (!year) return false;
  const SettingsForm form{*year, std::to_string(NewSeasonWeeks), NewSeasonPercent,
                          NewSeasonPercent};
  if (!TakeSettingsForm(session, form)) return false;
  SeasonStore& store = session.store;
  for (int team = 1; team <= LeagueTeamCount; ++team) {
    store.LocationName[team] = demo::DemoTeams()[static_cast<std::size_t>(team - 1)].location;
    store.TeamName[team] = demo::DemoTeams()[static_cast<std::size_t>(team - 1)].nickname;
  }
  SeasonChange change(session.folder);
  return SaveOrTell(session.ui, change,
                    {WriteNames(store, session.folder), WriteSettings(store, session.folder)});
}

}  // namespace

bool FolderHoldsSeason(const std::filesystem::path& folder) {
  std::error_code error;
  return std::filesystem::exists(folder / SettingsFileName, error) ||
         std::filesystem::exists(folder / NamesFileName, error);
}

bool OfferSeasonForEmptyFolder(Session& session) {
  while (!FolderHoldsSeason(session.folder)) {
    const int choice = session.ui.AskChoice(
        "There is no season in this folder yet.\n\rMake the demo season here, start a new empty "
        "season for a year you type, or quit?",
        ProgramCaption, {"Make the demo season", "Start a new season", "Quit"},
        static_cast<int>(EmptyFolderChoice::MakeDemo));
    switch (static_cast<EmptyFolderChoice>(choice)) {
      case EmptyFolderChoice::MakeDemo:
        demo::WriteDemoSeason(session.folder, demo::DemoOptions{}, session.ui);
        break;
      case EmptyFolderChoice::NewSeason: StartEmptySeason(session); break;
      case EmptyFolderChoice::Quit:
      default: return false;
    }
  }
  return true;
}

}  // namespace tavrin
