#include "entry/names_update.h"

#include <fmt/format.h>

#include <cctype>
#include <map>

#include "engine/season_saving.h"
#include "platform/messages.h"
#include "season/data_files.h"

namespace tavrin {

namespace {

bool AllCanBeStored(const std::vector<std::string>& names, std::size_t max_length) {
  for (const std::string& name : names) {
    if (!NameCanBeStored(name) || name.size() > max_length) return false;
  }
  return true;
}

// The name as two boxes are compared: without surrounding blanks, letters in one case.
std::string NameKey(std::string_view name) {
  const std::size_t first = name.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = name.find_last_not_of(' ');
  std::string key(name.substr(first, last - first + 1));
  for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return key;
}

// Every team needs a location and a name of its own: reports tell teams apart by them only.
bool NamesTellTeamsApart(UserInterface& ui, const std::vector<std::string>& names,
                         const char* what) {
  std::map<std::string, std::size_t> teams;
  for (std::size_t index = 0; index < names.size(); ++index) {
    const std::string key = NameKey(names[index]);
    std::string problem;
    if (key.empty()) {
      problem = fmt::format("Team # {} needs a {}.", index + 1, what);
    } else if (const auto [other, added] = teams.emplace(key, index); !added) {
      problem = fmt::format(
          "\"{}\" is the {} of team # {} and of team # {}.\n\r"
          "Each team needs a {} of its own.",
          names[index], what, other->second + 1, index + 1, what);
    }
    if (!problem.empty()) {
      ui.ShowMessage(problem, ProgramCaption, MessageIcon::Exclamation);
      return false;
    }
  }
  return true;
}

}  // namespace

bool NameCanBeStored(std::string_view name) {
  return name.find_first_of("\"\r\n") == std::string_view::npos;
}

void ShowNameRefused(UserInterface& ui) {
  ui.ShowMessage("A name cannot contain a double quote (\") or a line break.", ProgramCaption,
                 MessageIcon::Exclamation);
}

CommandResult SaveNames(Session& session, const std::vector<std::string>& locations,
                        const std::vector<std::string>& team_names) {
  SeasonStore& store = session.store;
  const auto teams = static_cast<std::size_t>(store.TeamCount);
  if (teams > static_cast<std::size_t>(MaxTeamSlot) || locations.size() != teams ||
      team_names.size() != teams) {
    ShowSaveFailure(session.ui);
    return CommandResult::NotSaved;
  }
  if (!AllCanBeStored(locations, MaxLocationLength) ||
      !AllCanBeStored(team_names, MaxTeamNameLength)) {
    ShowNameRefused(session.ui);
    return CommandResult::Refused;
  }
  if (!NamesTellTeamsApart(session.ui, locations, "location") ||
      !NamesTellTeamsApart(session.ui, team_names, "team name")) {
    return CommandResult::Refused;
  }
  if (!session.ui.AskYesNo("Are you Sure you want to alter the City & Team Names?",
                           "City & Team Names", MessageIcon::None, DefaultButton::First)) {
    return CommandResult::Declined;
  }
  const auto old_locations = store.LocationName;
  const auto old_team_names = store.TeamName;
  for (std::size_t index = 0; index < teams; ++index) {
    store.LocationName[index + 1] = locations[index];
    store.TeamName[index + 1] = team_names[index];
  }
  SeasonChange change(session.folder);
  if (!SaveOrTell(session.ui, change, {WriteNames(store, session.folder)})) {
    // Reports go on naming the teams as the names file still does.
    store.LocationName = old_locations;
    store.TeamName = old_team_names;
    return CommandResult::NotSaved;
  }
  return CommandResult::Done;
}

}  // namespace tavrin
