#pragma once
// A season's games as CSV, the one door through which outside data enters a season: a header
// naming at least season, week, slot, day, visitor, home, visitor_score and home_score (in any
// order; spread_line and total_line are read when present, other columns ignored), then one
// row per game with exactly as many fields as the header. Fields may be quoted as RFC 4180 has
// it, on one line. Every field is checked before anything is used.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

struct CsvGame {
  int line = 0;  // the file line it came from, for messages
  int slot = 0;
  int day = 0;
  int visitor = 0;
  int home = 0;
  std::optional<int> visitor_score;  // both present, or both absent for a game not yet played
  std::optional<int> home_score;
  std::optional<double> spread;
  std::optional<double> total;
};

struct SeasonCsv {
  int year = 0;
  std::map<int, std::vector<CsvGame>> weeks;  // each week's games in slot order
  bool has_market_lines = false;              // the header names spread_line or total_line
};

// One thing wrong with the file, at the line it was found on.
struct CsvProblem {
  int line = 0;  // 0 for the file as a whole
  std::string what;
};

inline constexpr int MaxCsvGamesPerWeek = 15;
inline constexpr int MaxCsvScore = 999;

// Reads the text (a UTF-8 byte order mark and CR LF ends accepted) with weeks bounded by
// `weeks_in_season`; every problem found is added to `problems`. The games that did read are
// returned either way, so that checks of whole weeks can add their own problems.
SeasonCsv ReadSeasonCsv(std::string_view text, int weeks_in_season,
                        std::vector<CsvProblem>& problems);

// At most this many problems are listed; a last line says how many more there were.
inline constexpr std::size_t MaxListedProblems = 50;

// The problems in line order as "FILE:LINE: what is wrong" ("FILE: what is wrong" for the
// whole file).
std::vector<std::string> ProblemLines(std::vector<CsvProblem> problems, std::string_view file);

}  // namespace tavrin
