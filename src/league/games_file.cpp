#include "league/games_file.h"

#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>

#include "league/season_league.h"
#include "season/season_store.h"

namespace tavrin {

namespace {

enum Column {
  Season,
  GameType,
  Week,
  Weekday,
  AwayTeam,
  AwayScore,
  HomeTeam,
  HomeScore,
  SpreadLine,
  TotalLine,
  ColumnCount
};
constexpr std::size_t RequiredColumns = SpreadLine;
constexpr std::array<std::string_view, ColumnCount> ColumnNames = {
    "season",     "game_type", "week",       "weekday",     "away_team",
    "away_score", "home_team", "home_score", "spread_line", "total_line"};

// Day codes are the positions in this list, Sunday being 1.
constexpr std::array<std::string_view, 7> DayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                      "Thursday", "Friday", "Saturday"};
constexpr std::string_view RegularSeason = "REG";
constexpr std::array<std::string_view, 5> GameTypes = {RegularSeason, "WC", "DIV", "CON", "SB"};
constexpr int FirstYear = 1000;
constexpr int LastYear = 9999;

template <std::size_t N>
std::optional<int> PlaceIn(const std::array<std::string_view, N>& names, std::string_view name) {
  const auto found = std::find(names.begin(), names.end(), name);
  if (found == names.end()) return std::nullopt;
  return static_cast<int>(found - names.begin()) + 1;
}

// The file's header and columns; nothing (with the problems added) when it has no usable header.
struct Layout {
  CsvFields header;
  CsvColumns columns;
};

std::optional<Layout> ReadLayout(std::string_view& text, std::vector<CsvProblem>& problems) {
  std::optional<CsvFields> header = TakeCsvHeader(text, problems);
  if (!header) return std::nullopt;
  std::optional<CsvColumns> columns =
      FindCsvColumns(*header, ColumnNames, RequiredColumns, problems);
  if (!columns) return std::nullopt;
  return Layout{std::move(*header), std::move(*columns)};
}

class SeasonRows {
 public:
  SeasonRows(const SeasonLeague& league, const CsvColumns& columns, SeasonCsv& season)
      : league_(league), columns_(columns), season_(season) {}

  void Read(int line, const std::vector<std::string_view>& fields,
            std::vector<CsvProblem>& problems) {
    CsvRow row(line, fields, problems);
    const auto year = Whole(row, Season, FirstYear, LastYear, "a year");
    if (year != league_.year) return;
    const std::string_view type = row.Field(columns_[GameType]);
    if (!PlaceIn(GameTypes, type)) {
      row.Problem(fmt::format("game_type {} is not REG, WC, DIV, CON or SB", QuotedCsvField(type)));
      return;
    }
    if (type != RegularSeason) return;
    const auto week = Whole(row, Week, 1, league_.weeks,
                            fmt::format("a week of {} (1 to {})", league_.year, league_.weeks));
    const std::string_view day_name = row.Field(columns_[Weekday]);
    const auto day = PlaceIn(DayNames, day_name);
    if (!day) row.Problem(fmt::format("weekday {} is not a day's name", QuotedCsvField(day_name)));
    const auto visitor = Team(row, AwayTeam);
    const auto home = Team(row, HomeTeam);
    const auto scores = row.GameScores(ColumnNames[AwayScore], columns_[AwayScore],
                                       ColumnNames[HomeScore], columns_[HomeScore]);
    Outcome<std::optional<double>> spread = std::optional<double>();
    Outcome<std::optional<double>> total = std::optional<double>();
    if (columns_[SpreadLine]) spread = row.Figure(ColumnNames[SpreadLine], columns_[SpreadLine]);
    if (columns_[TotalLine]) total = row.Figure(ColumnNames[TotalLine], columns_[TotalLine]);
    if (visitor && home && *visitor == *home) {
      row.Problem(fmt::format("{} would play itself", league_.Team(*visitor).code));
      return;
    }
    if (!week || !Enter(row, *week, {visitor, home})) return;
    if (!day || !visitor || !home || !scores || !spread || !total) return;
    std::vector<CsvGame>& games = season_.weeks[*week];
    const int slot = static_cast<int>(games.size()) + 1;
    games.push_back(
        {line, slot, *day, *visitor, *home, scores->visitor, scores->home, *spread, *total});
  }

 private:
  std::optional<int> Whole(CsvRow& row, Column column, int low, int high, std::string_view range) {
    return row.Whole(ColumnNames[column], columns_[column], low, high, range);
  }

  std::optional<int> Team(CsvRow& row, Column column) {
    const std::string_view code = row.Field(columns_[column]);
    const auto team = league_.TeamOfCode(code);
    if (!team) {
      row.Problem(fmt::format("{} {} is not a team of {}", ColumnNames[column],
                              QuotedCsvField(code), league_.year));
    }
    return team;
  }

  // Notes that the teams play in `week`; false when one of them already does.
  bool Enter(CsvRow& row, int week, std::array<std::optional<int>, 2> teams) {
    bool fresh_week = true;
    for (const auto& team : teams) {
      if (!team) continue;
      const auto [earlier, fresh] = team_lines_[week].emplace(*team, row.line());
      if (!fresh) {
        row.Problem(fmt::format("{} already plays in week {} on line {}", league_.Team(*team).code,
                                week, earlier->second));
        fresh_week = false;
      }
    }
    return fresh_week;
  }

  const SeasonLeague& league_;
  const CsvColumns& columns_;
  SeasonCsv& season_;
  std::map<int, std::map<int, int>> team_lines_;  // week -> team -> the line it plays on
};

}  // namespace

bool IsGamesFileHeader(std::string_view text) {
  constexpr std::array<std::string_view, 3> Marks = {"game_type", "away_team", "home_team"};
  std::vector<CsvProblem> ignored;
  const std::optional<CsvFields> header = TakeCsvHeader(text, ignored);
  return header && FindCsvColumns(*header, Marks, Marks.size(), ignored).has_value();
}

std::vector<int> GamesFileSeasons(std::string_view text) {
  std::vector<CsvProblem> ignored;
  const std::optional<Layout> layout = ReadLayout(text, ignored);
  if (!layout) return {};
  std::set<int> seasons;
  ForEachCsvRow(text, layout->header, ignored, [&](int line, const auto& fields) {
    CsvRow row(line, fields, ignored);
    const auto year =
        row.Whole(ColumnNames[Season], layout->columns[Season], FirstYear, LastYear, "a year");
    if (year) seasons.insert(*year);
  });
  return {seasons.begin(), seasons.end()};
}

SeasonCsv ReadGamesFile(std::string_view text, int year, std::vector<CsvProblem>& problems) {
  SeasonCsv season;
  season.year = year;
  const std::optional<SeasonLeague> league = LeagueOf(year);
  if (!league) {
    problems.push_back({0, fmt::format("there is no league of {}: the first season is {}", year,
                                       FirstLeagueYear)});
    return season;
  }
  const std::optional<Layout> layout = ReadLayout(text, problems);
  if (!layout) return season;
  season.has_market_lines = layout->columns[SpreadLine] || layout->columns[TotalLine];
  SeasonRows rows(*league, layout->columns, season);
  ForEachCsvRow(text, layout->header, problems,
                [&](int line, const auto& fields) { rows.Read(line, fields, problems); });
  if (season.weeks.empty() && problems.empty()) {
    problems.push_back({0, fmt::format("the file holds no regular-season games of {}", year)});
  }
  return season;
}

Outcome<SeasonReader> GamesFileReader(int year, int folder_team_count) {
  const auto league = LeagueOf(year);
  if (league && league->team_count() != folder_team_count) {
    return Failure{
        fmt::format("the {} season is one of the {}-team league; the season files here "
                    "keep the {}-team league's",
                    year, league->team_count(), folder_team_count)};
  }
  return SeasonReader([year](std::string_view text, std::vector<CsvProblem>& problems) {
    return ReadGamesFile(text, year, problems);
  });
}

}  // namespace tavrin
