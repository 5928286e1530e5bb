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
// Long enough for any real field; a longer one is quoted cut short in a message.
constexpr std::size_t QuotedFieldLength = 24;

std::string_view Trimmed(std::string_view field) {
  const std::size_t first = field.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return field.substr(first, field.find_last_not_of(" \t") - first + 1);
}

bool IsWholeNumberText(std::string_view text) {
  if (!text.empty() && text.front() == '-') text.remove_prefix(1);
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The season reader's columns, named once.
class RowReader : public CsvRow {
 public:
  RowReader(int line, const std::vector<std::string_view>& fields, const CsvColumns& columns,
            std::vector<CsvProblem>& problems)
      : CsvRow(line, fields, problems), columns_(columns) {}

  std::string_view Field(Column column) const { return CsvRow::Field(columns_[column]); }
  std::optional<int> Whole(Column column, int low, int high, std::string_view range) {
    return CsvRow::Whole(ColumnNames[column], columns_[column], low, high, range);
  }
  Outcome<std::optional<double>> Figure(Column column) {
    return CsvRow::Figure(ColumnNames[column], columns_[column]);
  }

 private:
  const CsvColumns& columns_;
};

// Where the games of one week were found, to name the earlier line of a clash.
struct WeekIndex {
  std::map<int, int> slot_lines;
  std::map<int, int> team_lines;
};

}  // namespace

SeasonCsv ReadSeasonCsv(std::string_view text, int weeks_in_season,
                        std::vector<CsvProblem>& problems, int team_count) {
  SeasonCsv season;
  const std::optional<CsvFields> names = TakeCsvHeader(text, problems);
  if (!names) return season;
  const auto found = FindCsvColumns(*names, ColumnNames, RequiredColumns, problems);
  if (!found) return season;
  const CsvColumns& columns = *found;
  season.has_market_lines = columns[SpreadLine] || columns[TotalLine];

  const int last_week = std::clamp(weeks_in_season, 0, MaxSlot);
  std::map<int, WeekIndex> indexes;
  int year_line = 0;
  const int last_line = ForEachCsvRow(text, *names, problems, [&](int line, const auto& fields) {
    RowReader row(line, fields, columns, problems);
    const auto year = row.Whole(Season, FirstYear, LastYear, "a year");
    const auto week =
        row.Whole(Week, 1, last_week, fmt::format("a week of the season (1 to {})", last_week));
    const auto slot = row.Whole(Slot, 1, MaxSlot, fmt::format("a slot (1 to {})", MaxSlot));
    const auto day = row.Whole(Day, 1, 7, "a day code (1 to 7)");
    const std::string teams = fmt::format("a team number (1 to {})", team_count);
    const auto visitor = row.Whole(Visitor, 1, team_count, teams);
    const auto home = row.Whole(Home, 1, team_count, teams);
    const auto scores = row.GameScores(ColumnNames[VisitorScore], columns[VisitorScore],
                                       ColumnNames[HomeScore], columns[HomeScore]);
    Outcome<std::optional<double>> spread = std::optional<double>();
    Outcome<std::optional<double>> total = std::optional<double>();
    if (columns[SpreadLine]) spread = row.Figure(SpreadLine);
    if (columns[TotalLine]) total = row.Figure(TotalLine);

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
      return;
    }
    if (!week || !slot) return;
    WeekIndex& seen = indexes[*week];
    if (const auto earlier = seen.slot_lines.find(*slot); earlier != seen.slot_lines.end()) {
      row.Problem(
          fmt::format("slot {} of week {} is already on line {}", *slot, *week, earlier->second));
      return;
    }
    seen.slot_lines[*slot] = line;
    if (seen.slot_lines.size() == static_cast<std::size_t>(MostGamesInWeek(team_count)) + 1) {
      row.Problem(
          fmt::format("week {} has more than {} games", *week, MostGamesInWeek(team_count)));
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
    if (clash || !year || !day || !visitor || !home || !scores || !spread || !total) return;
    std::vector<CsvGame>& games = season.weeks[*week];
    games.push_back(
        {line, *slot, *day, *visitor, *home, scores->visitor, scores->home, *spread, *total});
  });
  for (auto& [week, games] : season.weeks) {
    std::sort(games.begin(), games.end(),
              [](const CsvGame& a, const CsvGame& b) { return a.slot < b.slot; });
  }
  if (season.weeks.empty() && problems.empty()) {
    problems.push_back({last_line, "the file holds no games"});
  }
  return season;
}

CsvFields SplitCsvFields(std::string_view line, std::size_t kept) {
  CsvFields fields;
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

std::optional<CsvFields> TakeCsvHeader(std::string_view& text, std::vector<CsvProblem>& problems) {
  if (text.substr(0, ByteOrderMark.size()) == ByteOrderMark)
    text.remove_prefix(ByteOrderMark.size());
  std::string_view header;
  if (!TakeLine(text, header)) {
    problems.push_back({1, "the file is empty"});
    return std::nullopt;
  }
  CsvFields names = SplitCsvFields(header, MaxCsvColumns);
  if (names.fault) {
    problems.push_back({1, *names.fault});
    return std::nullopt;
  }
  if (names.count > MaxCsvColumns) {
    problems.push_back({1, fmt::format("the header has more than {} columns", MaxCsvColumns)});
    return std::nullopt;
  }
  return names;
}

std::optional<CsvColumns> FindCsvColumns(const CsvFields& header,
                                         std::span<const std::string_view> names,
                                         std::size_t required, std::vector<CsvProblem>& problems) {
  CsvColumns columns;
  bool complete = true;
  for (const std::string_view name : names) {
    const auto found = std::find(header.kept.begin(), header.kept.end(), name);
    if (found != header.kept.end()) {
      columns.push_back(static_cast<std::size_t>(found - header.kept.begin()));
    } else {
      columns.emplace_back();
      if (columns.size() <= required) {
        problems.push_back({1, fmt::format("the header has no {} column", name)});
        complete = false;
      }
    }
  }
  if (!complete) return std::nullopt;
  return columns;
}

int ForEachCsvRow(std::string_view text, const CsvFields& header, std::vector<CsvProblem>& problems,
                  const std::function<void(int line, const std::vector<std::string_view>&)>& row) {
  int line = 1;
  for (std::string_view row_text; TakeLine(text, row_text);) {
    ++line;
    if (problems.size() >= MaxCsvProblems) {
      problems.push_back({line, "reading stopped here: the file has too many problems"});
      break;
    }
    if (Trimmed(row_text).empty()) continue;
    const CsvFields fields = SplitCsvFields(row_text, header.count);
    if (fields.fault) {
      problems.push_back({line, *fields.fault});
    } else if (fields.count != header.count) {
      problems.push_back(
          {line, fmt::format("{} fields, the header has {}", fields.count, header.count)});
    } else {
      row(line, fields.kept);
    }
  }
  return line;
}

std::string QuotedCsvField(std::string_view field) {
  std::string text = "\"";
  for (char c : field.substr(0, QuotedFieldLength)) {
    const auto byte = static_cast<unsigned char>(c);
    text += byte >= 0x20 && byte < 0x7f ? c : '?';
  }
  if (field.size() > QuotedFieldLength) text += "...";
  return text + "\"";
}

std::optional<int> CsvRow::Whole(std::string_view name, std::optional<std::size_t> at, int low,
                                 int high, std::string_view range) {
  const std::string_view text = Field(at);
  if (!IsWholeNumberText(text)) {
    Problem(fmt::format("{} {} is not a whole number", name, QuotedCsvField(text)));
    return std::nullopt;
  }
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
    Problem(fmt::format("{} {} is not {}", name, QuotedCsvField(text), range));
    return std::nullopt;
  }
  return value;
}

std::optional<CsvRow::Scores> CsvRow::GameScores(std::string_view visitor_name,
                                                 std::optional<std::size_t> visitor_at,
                                                 std::string_view home_name,
                                                 std::optional<std::size_t> home_at) {
  const std::string range = fmt::format("a score (0 to {})", MaxCsvScore);
  Scores scores;
  bool read = true;
  if (!Field(visitor_at).empty()) {
    scores.visitor = Whole(visitor_name, visitor_at, 0, MaxCsvScore, range);
    read = scores.visitor.has_value();
  }
  if (!Field(home_at).empty()) {
    scores.home = Whole(home_name, home_at, 0, MaxCsvScore, range);
    read = read && scores.home.has_value();
  }
  if (!read) return std::nullopt;
  if (scores.visitor.has_value() != scores.home.has_value()) {
    Problem(scores.visitor ? fmt::format("{} is empty but {} is not", home_name, visitor_name)
                           : fmt::format("{} is empty but {} is not", visitor_name, home_name));
    return std::nullopt;
  }
  return scores;
}

Outcome<std::optional<double>> CsvRow::Figure(std::string_view name,
                                              std::optional<std::size_t> at) {
  const std::string_view text = Field(at);
  auto figure = ReadMarketFigure(text);
  if (!figure) Problem(fmt::format("{} {} {}", name, QuotedCsvField(text), figure.failure()));
  return figure;
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
