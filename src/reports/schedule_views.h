#pragma once
// The three read-only schedule views of the Schedules menu (one week, the whole season, one
// team's season) and their shared print command.

#include <optional>
#include <string>
#include <vector>

#include "platform/session.h"
#include "presentation/team_choice.h"
#include "season/season_store.h"

namespace tavrin {

// The game text of game slot g of the loaded week: the pairing padded to 32, "on   ", the day.
std::string ScheduleGameText(const SeasonStore& store, int game);

// The schedule of week `week`. Nothing when the week has no first game (after the message when the
// week could not be read).
std::optional<std::vector<std::string>> ShowWeeklySchedule(Session& session, int week);

// Every week of the season; unreadable weeks are listed as not available.
std::vector<std::string> ShowSeasonSchedule(Session& session);

// The chosen team's game, bye ("off") or missing schedule ("n/a") for every week. Nothing
// when the text names no team.
std::optional<std::vector<std::string>> ShowTeamSchedule(Session& session,
                                                         const std::string& choice_text);

// The print button of the schedule panel: short listings on one page lowered by four blank
// lines, long ones two weeks to a page.
void PrintSchedule(Session& session, const std::vector<std::string>& lines);

}  // namespace tavrin
