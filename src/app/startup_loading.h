#pragma once
// What the main window's load step does to the season store, without the window: the settings,
// TeamCount, the captions of the week menus, the report font check against the printer, the
// team names and the day names, in that order. A settings or names file that cannot be read
// is reported with the loading message, once for both, and loading carries on.

#include <filesystem>
#include <string>
#include <vector>

#include "platform/printer.h"
#include "platform/user_interface.h"
#include "season/season_store.h"

namespace tavrin {

inline constexpr const char* LoadingFailureCaption = "Tavrin Loading....";
inline constexpr const char* LoadingFailureText =
    "Cannot Load file TavSE.dat or TavNM.dat.\n\rPlease exit and check working directory.\n\r\n\r";

// Week numbers are written unpadded in titles and in a three-character field in the team
// schedule, so a season of more than 99 weeks cannot be shown; a damaged settings file asking
// for more gets menus for 99.
inline constexpr int MaxMenuWeeks = 99;

// The captions of the six week menus, entry 0 first.
struct WeekMenuCaptions {
  std::vector<std::string> schedules;    // Weeksmenu: "Week # 1", "Week # 2", ..
  std::vector<std::string> scores;       // SWeek: "Week #1", "Week # 2", ..
  std::vector<std::string> predictions;  // PredWeekmenu: as scores
  std::vector<std::string> results;      // WeekResultMenu: as scores
  std::vector<std::string> standings;    // StandingsWKmenu: as schedules
  std::vector<std::string> statistics;   // ViewWKStats: "Start of Season", "Week # 1", ..
};

// Entry 0 of each menu keeps its design caption; the others count the weeks. A season of 0
// or 1 weeks (or a negative count) has only the design entries.
WeekMenuCaptions BuildWeekMenuCaptions(int weeks_in_season);

// Forgets ReportFont when the printer offers no font of exactly that name.
void ForgetMissingReportFont(SeasonStore& store, Printer& printer);

// Names the first damaged block of the season's statistics file among the weeks scored, once,
// with the weeks that must be entered again because of it: "TVSt2000.dat is damaged at Week # 5;"
// / "the scores of Week # 5 to Week # 8 must be entered again."; nothing when none is damaged.
void ShowFirstDamagedBlock(const SeasonStore& store, const std::filesystem::path& folder,
                           UserInterface& ui);

// The load step over the data files in `folder`, ending with the damaged-block check above;
// returns the week menus' captions.
WeekMenuCaptions LoadAtStartup(SeasonStore& store, const std::filesystem::path& folder,
                               UserInterface& ui, Printer& printer);

}  // namespace tavrin
