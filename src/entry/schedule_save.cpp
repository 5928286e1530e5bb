#include "entry/schedule_save.h"

#include <fmt/format.h>

#include <array>

#include "engine/recorded_scores.h"
#include "engine/season_saving.h"
#include "platform/messages.h"
#include "season/data_files.h"
#include "season/text_convention.h"

namespace tavrin {

namespace {

constexpr int DaysInWeek = 7;

// The window cannot build such a list, but a list read from elsewhere can hold anything.
std::optional<int> FirstInvalidGame(const SeasonStore& store,
                                    const std::vector<ScheduledGame>& games) {
  std::array<bool, MaxTeamSlot + 1> listed{};
  for (std::size_t index = 0; index < games.size(); ++index) {
    const ScheduledGame& game = games[index];
    const bool teams_known = IsSeasonTeam(store, game.first) && IsSeasonTeam(store, game.second);
    if (!teams_known || game.first == game.second || listed[game.first] || listed[game.second] ||
        game.day < 1 || game.day > DaysInWeek) {
      return static_cast<int>(index) + 1;
    }
    listed[game.first] = listed[game.second] = true;
  }
  return std::nullopt;
}

}  // namespace

std::string PairingText(const SeasonStore& store, int first, int second) {
  const auto name = [&store](int team) {
    return IsSeasonTeam(store, team) ? store.LocationName[team] : std::string();
  };
  const std::string first_name = name(first);
  const std::string second_name = name(second);
  return first_name + " at " + second_name;
}

std::string ScheduleListLine(const SeasonStore& store, const ScheduledGame& game) {
  constexpr std::size_t PairingColumns = 32;
  const std::string day = game.day >= 1 && game.day <= DaysInWeek
                              ? store.DayName[game.day].substr(0, 3)
                              : std::string();
  return PadRight(PairingText(store, game.first, game.second), PairingColumns) + day;
}

void ShowPairingIncomplete(UserInterface& ui) {
  ui.Beep();
  ui.ShowMessage("Choose the two teams of the game before adding it.", ProgramCaption,
                 MessageIcon::Exclamation);
}

std::optional<int> EntryWeek(Session& session, std::string_view week_text) {
  const auto week = ReadTypedWholeNumber(week_text, session.store.WeeksInSeason);
  if (!week || *week < 1) {
    session.ui.ShowMessage("Please enter the week Number.", ProgramCaption, MessageIcon::None);
    return std::nullopt;
  }
  return *week;
}

bool SaveScheduleWeek(Session& session, std::string_view week_text,
                      const std::vector<ScheduledGame>& games) {
  const auto week = EntryWeek(session, week_text);
  if (!week) return false;
  if (games.size() < static_cast<std::size_t>(MinGamesToSave)) {
    session.ui.ShowMessage("Insufficient information to save file.", ProgramCaption,
                           MessageIcon::Exclamation);
    return false;
  }
  if (const auto invalid = FirstInvalidGame(session.store, games)) {
    session.ui.ShowMessage(
        fmt::format("Game # {} cannot be saved:\n\rteams must be 1 to {}, each listed once, "
                    "and days 1 to 7.",
                    *invalid, SeasonTeamCount(session.store)),
        ProgramCaption, MessageIcon::Exclamation);
    return false;
  }
  SeasonStore& store = session.store;
  if (WeekHasBeenScored(store, session.folder, *week) &&
      !session.ui.AskYesNo(
          fmt::format("Week {0} has been scored. Changing its games will not move its results; "
                      "enter week {0}'s scores again after saving. Save anyway?",
                      *week),
          ProgramCaption, MessageIcon::Exclamation, DefaultButton::Second)) {
    return false;
  }
  store.WeekGameCount = static_cast<int16_t>(games.size());
  for (std::size_t index = 0; index < games.size(); ++index) {
    store.GameFirstTeam[index + 1] = games[index].first;
    store.GameSecondTeam[index + 1] = games[index].second;
    store.GameDay[index + 1] = games[index].day;
  }
  SeasonChange change(session.folder);
  if (!SaveOrTell(session.ui, change, {WriteScheduleWeek(store, session.folder, *week)})) {
    return false;
  }
  session.ui.ShowMessage(fmt::format("Schedule for Week {} has been saved.", *week), ProgramCaption,
                         MessageIcon::None);
  return true;
}

std::vector<ScheduledGame> LoadScheduleWeek(Session& session, int week) {
  SeasonStore& store = session.store;
  if (!ReadScheduleWeek(store, session.folder, week)) {
    if (!ShowWhenScheduleWeekDamaged(session, week)) {
      ShowScheduleUnavailable(session.ui, week);
    }
    return {};
  }
  std::vector<ScheduledGame> games;
  for (int game = 1; game <= store.WeekGameCount && game <= MaxScheduleSlot; ++game) {
    games.push_back({store.GameFirstTeam[game], store.GameSecondTeam[game], store.GameDay[game]});
  }
  return games;
}

}  // namespace tavrin
