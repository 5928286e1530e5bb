#pragma once
// A season's games as CSV, the one door through which outside data enters a season: a header
// naming at least season, week, slot, day, visitor, home, visitor_score and home_score (in any
// order; spread_line and total_line are read when present, other columns ignored), then one
// row per game with exactly as many fields as the header. Fields may be quoted as RFC 4180 has
// it, on one line. Every field is checked before anything is used.

#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "season/league.h"
#include "season/outcome.h"

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

inline constexpr int MaxCsvScore = 999;

// Reads the text (a UTF-8 byte order mark and CR LF ends accepted) with weeks bounded by
// `weeks_in_season` and teams by `team_count` (a week holding at most half of them); every
// problem found is added to `problems`. The games that did read are returned either way, so that
// checks of whole weeks can add their own problems.
SeasonCsv ReadSeasonCsv(std::string_view text, int weeks_in_season,
                        std::vector<CsvProblem>& problems, int team_count = LeagueTeamCount);

// What every CSV reader shares, so that each holds its rows to the same rules.

// Far more than any real games file has; the header's names are kept in memory.
inline constexpr std::size_t MaxCsvColumns = 256;
// Past this many, a file is plainly not what it claims to be and the rest is not read.
inline constexpr std::size_t MaxCsvProblems = 1000;

// One line's fields, quoted as RFC 4180 has it: a field in double quotes may hold commas and
// doubled quotes; a quote anywhere else, or a quoted field not closed on its line, is refused.
// Blanks around a field are dropped. Only the first `kept` fields are kept (a hostile line of
// commas must not cost memory); `count` counts them all.
struct CsvFields {
  std::vector<std::string_view> kept;
  std::size_t count = 0;
  std::optional<std::string> fault;
};
CsvFields SplitCsvFields(std::string_view line, std::size_t kept);

// Takes the header line off `text` (after a UTF-8 byte order mark): its column names, or nothing
// when the file is empty, the header is not a well-formed line or has too many columns, each
// added to `problems` at line 1.
std::optional<CsvFields> TakeCsvHeader(std::string_view& text, std::vector<CsvProblem>& problems);

// Where the header names each of `names`. The first `required` of them must be there: each one
// missing is added to `problems`, and then nothing is returned.
using CsvColumns = std::vector<std::optional<std::size_t>>;
std::optional<CsvColumns> FindCsvColumns(const CsvFields& header,
                                         std::span<const std::string_view> names,
                                         std::size_t required, std::vector<CsvProblem>& problems);

// Calls `row` with the number and the fields of every line after the header that is not blank
// and has as many well-formed fields as the header; other lines are added to `problems`.
// Reading stops once `problems` is past MaxCsvProblems. Returns the number of the last line.
int ForEachCsvRow(std::string_view text, const CsvFields& header, std::vector<CsvProblem>& problems,
                  const std::function<void(int line, const std::vector<std::string_view>&)>& row);

// A field as a message shows it: in quotes, cut short, anything unprintable as '?'.
std::string QuotedCsvField(std::string_view field);

// One row's fields read by column; every problem is added with the row's line.
class CsvRow {
 public:
  CsvRow(int line, const std::vector<std::string_view>& fields, std::vector<CsvProblem>& problems)
      : line_(line), fields_(fields), problems_(problems) {}

  std::string_view Field(std::optional<std::size_t> at) const {
    return at && *at < fields_.size() ? fields_[*at] : std::string_view();
  }
  // A whole number from `low` to `high` in the column `name`; `range` names the range in the
  // message.
  std::optional<int> Whole(std::string_view name, std::optional<std::size_t> at, int low, int high,
                           std::string_view range);
  // Both scores of a game (0 to MaxCsvScore), or neither for a game not yet played; nothing
  // when either is wrong or only one is given.
  struct Scores {
    std::optional<int> visitor;
    std::optional<int> home;
  };
  std::optional<Scores> GameScores(std::string_view visitor_name,
                                   std::optional<std::size_t> visitor_at,
                                   std::string_view home_name, std::optional<std::size_t> home_at);
  // A market figure (empty for none), as the market lines file keeps it.
  Outcome<std::optional<double>> Figure(std::string_view name, std::optional<std::size_t> at);
  void Problem(std::string what) { problems_.push_back({line_, std::move(what)}); }
  int line() const { return line_; }

 private:
  int line_;
  const std::vector<std::string_view>& fields_;
  std::vector<CsvProblem>& problems_;
};

// At most this many problems are listed; a last line says how many more there were.
inline constexpr std::size_t MaxListedProblems = 50;

// The problems in line order as "FILE:LINE: what is wrong" ("FILE: what is wrong" for the
// whole file).
std::vector<std::string> ProblemLines(std::vector<CsvProblem> problems, std::string_view file);

}  // namespace tavrin
