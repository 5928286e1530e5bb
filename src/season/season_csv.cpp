#include "season/season_csv.h"

#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <charconv>

#include "season/market_lines.h"
#include "season/season_store.h"
#include "season/text_file_lines.h"

namespace tavrin {

namespace {

enum Column {
  Season,
  Week,
  Slot,
  Day,
  Visitor,
  Home,
  VisitorScore,
  HomeScore,
  SpreadLine,
  TotalLine,
  ColumnCount
};
constexpr int RequiredColumns = SpreadLine;
constexpr std::array<std::string_view, ColumnCount> ColumnNames = {
    "season", "week",          "slot",       "day",         "visitor",
    "home",   "visitor_score", "home_score", "spread_line", "total_line"};

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr int FirstYear = 1000;
constexpr int LastYear = 9999;
constexpr int MaxSlot = 99;
// Far more than any real games file has; the header's names are kept in memory.
constexpr std::size_t MaxCsvColumns = 256;
// Past this many, a file is plainly not a season and the rest is not read.
constexpr std::size_t MaxCsvProblems = 1000;
// Long enough for any real field; a longer one is quoted cut short in a message.
constexpr std::size_t QuotedFieldLength = 24;

std::string_view Trimmed(std::string_view field) {
  const std::size_t first = field.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return field.substr(first, field.find_last_not_of(" \t") - first + 1);
}

// One line's fields, quoted as RFC 4180 has it: a field in double quotes may hold commas and
// doubled quotes; a quote anywhere else, or a quoted field not closed on its line, is refused.
// Blanks around a field are dropped. Only the first `kept` fields are kept (a hostile line of
// commas must not cost memory); `count` counts them all.
struct LineFields {
  std::vector<std::string_view> kept;
  std::size_t count = 0;
  std::optional<std::string> fault;
};

LineFields SplitFields(std::string_view line, std::size_t kept) {
  LineFields fields;
  std::size_t at = 0;
  while (true) {
    std::size_t end = line.find(',', at);
    std::string_view field =
        Trimmed(line.substr(at, end == std::string_view::npos ? end : end - at));
    if (!field.empty() && field.front() == '"') {
      // The closing quote is the first one not doubled; the field runs on past commas inside.
      const std::size_t open = line.find('"', at);
      std::size_t close = open + 1;
      while ((close = line.find('"', close)) != std::string_view::npos && close + 1 < line.size() &&
             line[close + 1] == '"') {
        close += 2;
      }
      if (close == std::string_view::npos) {
        fields.fault = fmt::format("field {} opens a quote it does not close", fields.count + 1);
        return fields;
      }
      end = line.find(',', close);
      if (!Trimmed(line.substr(close + 1, end == std::string_view::npos ? end : end - close - 1))
               .empty()) {
        fields.fault = fmt::format("field {} has text after its closing quote", fields.count + 1);
        return fields;
      }
      field = line.substr(open + 1, close - open - 1);
    } else if (field.find('"') != std::string_view::npos) {
      fields.fault = fmt::format("field {} has a quote but is not quoted", fields.count + 1);
      return fields;
    }
    if (fields.kept.size() < kept) fields.kept.push_back(field);
    ++fields.count;
    if (end == std::string_view::npos) return fields;
    at = end + 1;
  }
}

// A field as a message shows it: in quotes, cut short, anything unprintable as '?'.
std::string Quoted(std::string_view field) {
  std::string text = "\"";
  for (char c : field.substr(0, QuotedFieldLength)) {
    const auto byte = static_cast<unsigned char>(c);
    text += byte >= 0x20 && byte < 0x7f ? c : '?';
  }
  if (field.size() > QuotedFieldLength) text += "...";
  return text + "\"";
}

bool IsWholeNumberText(std::string_view text) {
  if (!text.empty() && text.front() == '-') text.remove_prefix(1);
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

class RowReader {
 public:
  RowReader(int line, const std::vector<std::string_view>& fields,
            const std::array<std::optional<std::size_t>, ColumnCount>& columns,
            std::vector<CsvProblem>& problems)
      : line_(line), fields_(fields), columns_(columns), problems_(problems) {}

  std::string_view Field(Column column) const {
    const auto at = columns_[column];
    return at && *at < fields_.size() ? fields_[*at] : std::string_view();
  }

  // A whole number from `low` to `high`; `range` names the range in the message.
  std::optional<int> Whole(Column column, int low, int high, std::string_view range) {
    const std::string_view text = Field(column);
    if (!IsWholeNumberText(text)) {
      Problem(fmt::format("{} {} is not a whole number", ColumnNames[column], Quoted(text)));
      return std::nullopt;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
      Problem(fmt::format("{} {} is not {}", ColumnNames[column], Quoted(text), range));
      return std::nullopt;
    }
    return value;
  }

  // A betting line's figure, absent when the field is empty or the column missing; a failure
  // is listed among the problems as well.
  Outcome<std::optional<double>> Figure(Column column) {
    const std::string_view text = Field(column);
    auto figure = ReadMarketFigure(text);
    if (!figure)
      Problem(fmt::format("{} {} {}", ColumnNames[column], Quoted(text), figure.failure()));
    return figure;
  }

  void Problem(std::string what) { problems_.push_back({line_, std::move(what)}); }

 private:
  int line_;
  const std::vector<std::string_view>& fields_;
  const std::array<std::optional<std::size_t>, ColumnCount>& columns_;
  std::vector<CsvProblem>& problems_;
};

// Where the games of one week were found, to name the earlier line of a clash.
struct WeekIndex {
  std::map<int, int> slot_lines;
  std::map<int, int> team_lines;
};

}  // namespace

SeasonCsv ReadSeasonCsv(std::string_view text, int weeks_in_season,
                        std::vector<CsvProblem>& problems) {
  SeasonCsv season;
  if (text.substr(0, ByteOrderMark.size()) == ByteOrderMark)
    text.remove_prefix(ByteOrderMark.size());
  std::string_view header;
  if (!TakeLine(text, header)) {
    problems.push_back({1, "the file is empty"});
    return season;
  }

  std::array<std::optional<std::size_t>, ColumnCount> columns;
  const LineFields names = SplitFields(header, MaxCsvColumns);
  if (names.fault) {
    problems.push_back({1, *names.fault});
    return season;
  }
  if (names.count > MaxCsvColumns) {
    problems.push_back({1, fmt::format("the header has more than {} columns", MaxCsvColumns)});
    return season;
  }
  for (int column = 0; column < ColumnCount; ++column) {
    const auto found = std::find(names.kept.begin(), names.kept.end(), ColumnNames[column]);
    if (found != names.kept.end())
      columns[column] = static_cast<std::size_t>(found - names.kept.begin());
    if (found == names.kept.end() && column < RequiredColumns) {
      problems.push_back({1, fmt::format("the header has no {} column", ColumnNames[column])});
    }
  }
  if (!std::all_of(columns.begin(), columns.begin() + RequiredColumns,
                   [](const auto& at) { return at.has_value(); })) {
    return season;
  }
  season.has_market_lines = columns[SpreadLine] || columns[TotalLine];

  const int last_week = std::clamp(weeks_in_season, 0, MaxSlot);
  std::map<int, WeekIndex> indexes;
  int year_line = 0;
  int line = 1;
  for (std::string_view row_text; TakeLine(text, row_text);) {
    ++line;
    if (problems.size() >= MaxCsvProblems) {
      problems.push_back({line, "reading stopped here: the file has too many problems"});
      break;
    }
    if (Trimmed(row_text).empty()) continue;
    const LineFields fields = SplitFields(row_text, names.count);
    RowReader row(line, fields.kept, columns, problems);
    if (fields.fault) {
      row.Problem(*fields.fault);
      continue;
    }
    if (fields.count != names.count) {
      row.Problem(fmt::format("{} fields, the header has {}", fields.count, names.count));
      continue;
    }
    const auto year = row.Whole(Season, FirstYear, LastYear, "a year");
    const auto week =
        row.Whole(Week, 1, last_week, fmt::format("a week of the season (1 to {})", last_week));
    const auto slot = row.Whole(Slot, 1, MaxSlot, fmt::format("a slot (1 to {})", MaxSlot));
    const auto day = row.Whole(Day, 1, 7, "a day code (1 to 7)");
    const std::string teams = fmt::format("a team number (1 to {})", LeagueTeamCount);
    const auto visitor = row.Whole(Visitor, 1, LeagueTeamCount, teams);
    const auto home = row.Whole(Home, 1, LeagueTeamCount, teams);
    std::optional<int> scores[2];
    bool scores_read = true;
    for (const Column column : {VisitorScore, HomeScore}) {
      if (row.Field(column).empty()) continue;
      scores[column - VisitorScore] =
          row.Whole(column, 0, MaxCsvScore, fmt::format("a score (0 to {})", MaxCsvScore));
      scores_read = scores_read && scores[column - VisitorScore].has_value();
    }
    if (scores_read && scores[0].has_value() != scores[1].has_value()) {
      row.Problem(scores[0] ? "home_score is empty but visitor_score is not"
                            : "visitor_score is empty but home_score is not");
      scores_read = false;
    }
    const auto spread = row.Figure(SpreadLine);
    const auto total = row.Figure(TotalLine);

    if (year) {
      if (season.weeks.empty() && year_line == 0) {
        season.year = *year;
        year_line = line;
      } else if (*year != season.year) {
        row.Problem(fmt::format("season {} is not the season {} of line {}", *year, season.year,
                                year_line));
      }
    }
    if (visitor && home && *visitor == *home) {
      row.Problem(fmt::format("team {} would play itself", *visitor));
      continue;
    }
    if (!week || !slot) continue;
    WeekIndex& seen = indexes[*week];
    if (const auto earlier = seen.slot_lines.find(*slot); earlier != seen.slot_lines.end()) {
      row.Problem(
          fmt::format("slot {} of week {} is already on line {}", *slot, *week, earlier->second));
      continue;
    }
    seen.slot_lines[*slot] = line;
    if (seen.slot_lines.size() == MaxCsvGamesPerWeek + 1) {
      row.Problem(fmt::format("week {} has more than {} games", *week, MaxCsvGamesPerWeek));
    }
    bool clash = false;
    for (const auto& team : {visitor, home}) {
      if (!team) continue;
      const auto [earlier, fresh] = seen.team_lines.emplace(*team, line);
      if (!fresh) {
        row.Problem(fmt::format("team {} already plays in week {} on line {}", *team, *week,
                                earlier->second));
        clash = true;
      }
    }
    if (clash || !year || !day || !visitor || !home || !scores_read || !spread || !total) continue;
    std::vector<CsvGame>& games = season.weeks[*week];
    games.push_back({line, *slot, *day, *visitor, *home, scores[0], scores[1], *spread, *total});
  }
  for (auto& [week, games] : season.weeks) {
    std::sort(games.begin(), games.end(),
              [](const CsvGame& a, const CsvGame& b) { return a.slot < b.slot; });
  }
  if (season.weeks.empty() && problems.empty()) {
    problems.push_back({line, "the file holds no games"});
  }
  return season;
}

std::vector<std::string> ProblemLines(std::vector<CsvProblem> problems, std::string_view file) {
  std::stable_sort(problems.begin(), problems.end(),
                   [](const CsvProblem& a, const CsvProblem& b) { return a.line < b.line; });
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < problems.size() && i < MaxListedProblems; ++i) {
    // A problem of the whole file, not of one line, has no line number.
    lines.push_back(problems[i].line > 0
                        ? fmt::format("{}:{}: {}", file, problems[i].line, problems[i].what)
                        : fmt::format("{}: {}", file, problems[i].what));
  }
  if (problems.size() > MaxListedProblems) {
    lines.push_back(
        fmt::format("{}: {} more problems not listed", file, problems.size() - MaxListedProblems));
  }
  return lines;
}

}  // namespace tavrin
