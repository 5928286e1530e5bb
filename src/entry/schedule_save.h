#pragma once
// The schedule entry window's Load and Save without the window: the week number check, the
// game list check and the record written or read.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/session.h"
#include "season/season_store.h"

namespace tavrin {

struct ScheduledGame {
  int16_t first = 0;   // visiting team
  int16_t second = 0;  // home team
  int16_t day = 1;     // 1 = Sunday .. 7 = Saturday
};

// The game list's heading line, above game 1.
inline constexpr const char* ScheduleListHeading = "     -- Teams --                Day";

// "City at City" of a pairing being built or listed.
std::string PairingText(const SeasonStore& store, int first, int second);
// A game's line in the list: the pairing padded to 32 characters, then the day's first three
// letters.
std::string ScheduleListLine(const SeasonStore& store, const ScheduledGame& game);

// Add without two chosen teams: the beep, and what the list needs.
void ShowPairingIncomplete(UserInterface& ui);

// A week fewer than this many games is not saved.
inline constexpr int MinGamesToSave = 7;

// The week number typed in the week box, when it is a whole number naming a week of the season
// (never rounded or capped); otherwise "Please enter the week Number." and nothing.
std::optional<int> EntryWeek(Session& session, std::string_view week_text);

// Saves the games, in list order, as the week typed in the week box; the user is told the
// outcome either way. True when the record was written.
bool SaveScheduleWeek(Session& session, std::string_view week_text,
                      const std::vector<ScheduledGame>& games);

// Reads a week for the list; "Unable to Load the Schedule for Week " + W + "." when it has none.
std::vector<ScheduledGame> LoadScheduleWeek(Session& session, int week);

}  // namespace tavrin
