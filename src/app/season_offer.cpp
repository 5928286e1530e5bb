#include "app/season_offer.h"

#include <fmt/format.h>

#include <memory>

#include "app/season_file_commands.h"
#include "demo/demo_folder.h"
#include "demo/demo_teams.h"
#include "demo/first_season_start.h"
#include "engine/season_saving.h"
#include "entry/league_season_start.h"
#include "entry/season_import.h"
#include "entry/settings_update.h"
#include "league/games_file.h"
#include "league/season_league.h"
#include "platform/messages.h"
#include "season/data_files.h"
#include "season/season_change.h"
#include "season/season_csv.h"

namespace tavrin {

namespace {

constexpr int NewSeasonWeeks = 17;
constexpr int NewSeasonPercent = 100;

// The year of the new season, as the user types it.
std::optional<std::string> AskSeasonYear(Session& session) {
  const std::string today = session.ui.TodayText();
  return session.ui.InputBox("Enter the year of the new season (four digits):", ProgramCaption,
                             today.size() >= 4 ? today.substr(today.size() - 4) : "");
}

// Settings for the year and the league's names, written together or not at all: settings
// alone would pass for a season at the next start. True when both files were written.
bool StartEmptySeason(Session& session, const std::optional<std::string>& year) {
  if (!year) return false;
  const SettingsForm form{*year, std::to_string(NewSeasonWeeks), NewSeasonPercent,
                          NewSeasonPercent};
  if (!TakeSettingsForm(session, form)) return false;
  // The 32-team league's seasons start with that year's clubs under their own names.
  const auto league = LeagueOf(session.store.WorkingYear);
  if (league && league->team_count() == MostLeagueTeams) return StartLeagueSeason(session, *league);
  SeasonStore& store = session.store;
  for (int team = 1; team <= LeagueTeamCount; ++team) {
    store.LocationName[team] = demo::DemoTeams()[static_cast<std::size_t>(team - 1)].location;
    store.TeamName[team] = demo::DemoTeams()[static_cast<std::size_t>(team - 1)].nickname;
  }
  SeasonChange change(session.folder);
  return SaveOrTell(session.ui, change,
                    {WriteNames(store, session.folder), WriteSettings(store, session.folder)});
}

// The steps of a first season made from the chosen file, inside the caller's change; false at
// the first that failed, the user told why.
bool ImportFirstSeason(Session& session, const ChosenSeasonFile& chosen) {
  if (IsGamesFileHeader(chosen.text)) {
    const auto year = ChooseGamesFileSeason(session, chosen.text);
    if (!year) return false;
    const auto league = LeagueOf(*year);
    if (!league) {
      session.ui.ShowMessage(fmt::format("{} was not imported:\n\rthere is no league of {}: the "
                                         "first season is {}.",
                                         chosen.name, *year, FirstLeagueYear),
                             ProgramCaption, MessageIcon::Exclamation);
      return false;
    }
    return demo::ImportFirstLeagueSeason(session, *league, chosen.name, chosen.text);
  }
  std::vector<CsvProblem> problems;
  const SeasonCsv csv = ReadSeasonCsv(chosen.text, NewSeasonWeeks, problems);
  ImportChoice schedules_only;
  schedules_only.schedules_only = true;
  schedules_only.tell_imported = false;
  ImportChoice whole;
  whole.tell_imported = false;
  return StartEmptySeason(session, std::to_string(csv.year)) &&
         ImportSeason(session, chosen.name, chosen.text, schedules_only) &&
         demo::WriteFirstSeasonStart(session) &&
         ImportSeason(session, chosen.name, chosen.text, whole);
}

// A new season of the year the chosen file holds, then the file imported into it: the program's
// own season CSV, or one season of the community's games file (the user picks which when it
// holds several), made exactly as the companion tool makes it. A first season has no last season
// to carry its ratings from, so the schedules go in first, then the season's start as a league's
// first season has it, then the scores week by week. All of it is one change of the folder: a
// file the import refuses, or a failed save, leaves the folder as empty as it was (and the store
// as it was), and the user has been told why.
void StartImportedSeason(Session& session) {
  const auto chosen = ChooseSeasonFile(session);
  if (!chosen) return;
  const auto before = std::make_unique<SeasonStore>(session.store);
  SeasonChange change(session.folder);
  if (!ImportFirstSeason(session, *chosen) || !SaveOrTell(session.ui, change, {})) {
    session.store = *before;
    return;
  }
  demo::ShowFirstSeasonImported(session, chosen->name);
}

}  // namespace

bool FolderHoldsSeason(const std::filesystem::path& folder) {
  std::error_code error;
  return std::filesystem::exists(folder / SettingsFileName, error) ||
         std::filesystem::exists(folder / NamesFileName, error) ||
         std::filesystem::exists(folder / ThirtyTwoTeamNamesFileName, error);
}

bool OfferSeasonForEmptyFolder(Session& session) {
  // Every choice would save into a folder another program holds (the user has been told which).
  if (!FolderHoldsSeason(session.folder) && SeasonReadOnlyReason(session.folder)) {
    session.ui.ShowMessage(
        "There is no season in this folder yet, and none can be made here while the other "
        "program holds the folder.\n\rStart Tavrin again once it has finished.",
        ProgramCaption, MessageIcon::Exclamation);
    return false;
  }
  while (!FolderHoldsSeason(session.folder)) {
    const int choice = session.ui.AskChoice(
        "There is no season in this folder yet.\n\rMake the demo season here, start a new empty "
        "season for a year you type, import a season from a CSV file (as File, Export Season... "
        "writes it), or quit?",
        ProgramCaption,
        {"Make the demo season", "Start a new season", "Import a season file...", "Quit"},
        static_cast<int>(EmptyFolderChoice::MakeDemo));
    switch (static_cast<EmptyFolderChoice>(choice)) {
      case EmptyFolderChoice::MakeDemo:
        demo::WriteDemoSeason(session.folder, demo::DemoOptions{}, session.ui);
        break;
      case EmptyFolderChoice::NewSeason: StartEmptySeason(session, AskSeasonYear(session)); break;
      case EmptyFolderChoice::ImportSeason: StartImportedSeason(session); break;
      case EmptyFolderChoice::Quit:
      default: return false;
    }
  }
  return true;
}

}  // namespace tavrin
