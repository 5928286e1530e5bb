#pragma once
// The community's games file: one row a game of every season since 1999, with at least the
// columns season, game_type, week, weekday, away_team, away_score, home_team and home_score
// (found by name, in any order; spread_line and total_line are read when present, any other
// column is ignored), and the teams as the codes of their year. A season is read from it at a
// time: its regular-season rows, each week's games in file order, as the season CSV gives them.

#include <functional>
#include <string_view>
#include <vector>

#include "season/outcome.h"
#include "season/season_csv.h"

namespace tavrin {

// Whether the text's first line names game_type, away_team and home_team: this file rather
// than the program's own season CSV.
bool IsGamesFileHeader(std::string_view text);

// The seasons the file has rows of, in increasing order; rows that cannot be read are left out.
std::vector<int> GamesFileSeasons(std::string_view text);

// The regular-season games of `year`. Post-season rows are skipped and rows of other seasons
// are only checked for their shape; every problem is added to `problems`.
SeasonCsv ReadGamesFile(std::string_view text, int year, std::vector<CsvProblem>& problems);

// A season's text as the import reads it.
using SeasonReader = std::function<SeasonCsv(std::string_view text, std::vector<CsvProblem>&)>;

// The reader of `year`'s season from a games file, or why that season cannot be kept in a folder
// whose season files hold `folder_team_count` teams: a league of another size.
Outcome<SeasonReader> GamesFileReader(int year, int folder_team_count = LeagueTeamCount);

}  // namespace tavrin
