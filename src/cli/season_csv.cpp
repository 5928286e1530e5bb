#include "cli/season_csv.h"

#include <algorithm>
#include <array>

#include <fmt/format.h>

#include "cli/command_support.h"

namespace tavrin::cli {

namespace {

enum Column { Season, Week, Slot, Day, Visitor, Home, VisitorScore, HomeScore, ColumnCount };
constexpr std::array<const char*, ColumnCount> ColumnNames = {
    "season", "week", "slot", "day", "visitor", "home", "visitor_score", "home_score"};

std::vector<std::string> SplitFields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = line.find(',', start);
    std::string field = line.substr(start, comma == std::string::npos ? std::string::npos
                                                                       : comma - start);
    const std::size_t first = field.find_first_not_of(' ');
    const std::size_t last = field.find_last_not_of(' ');
    fields.push_back(first == std::string::npos ? std::string()
                                                : field.substr(first, last - first + 1));
    if (comma == std::string::npos) return fields;
    start = comma + 1;
  }
}

std::optional<std::array<std::size_t, ColumnCount>> FindColumns(const std::string& header) {
  const auto names = SplitFields(header);
  std::array<std::size_t, ColumnCount> columns{};
  for (int column = 0; column < ColumnCount; ++column) {
    const auto found = std::find(names.begin(), names.end(), ColumnNames[column]);
    if (found == names.end()) return std::nullopt;
    columns[column] = static_cast<std::size_t>(found - names.begin());
  }
  return columns;
}

// A team or day number stays as read when it fits 16 bits; the schedule save judges it.
int16_t Narrow(int value) {
  return static_cast<int16_t>(std::clamp(value, -1, 32767));
}

}  // namespace

std::optional<SeasonCsv> ParseSeasonCsv(const std::vector<std::string>& lines,
                                        std::string& problem) {
  if (lines.empty()) {
    problem = "the file is empty";
    return std::nullopt;
  }
  const auto columns = FindColumns(lines[0]);
  if (!columns) {
    problem = "the header lacks season, week, slot, day, visitor, home, visitor_score or home_score";
    return std::nullopt;
  }
  SeasonCsv season;
  for (std::size_t row = 1; row < lines.size(); ++row) {
    if (lines[row].find_first_not_of(" ,") == std::string::npos) continue;
    const auto fields = SplitFields(lines[row]);
    std::array<std::optional<int>, VisitorScore> numbers;
    for (int column = 0; column < VisitorScore; ++column) {
      const std::size_t at = (*columns)[column];
      if (at < fields.size()) numbers[column] = ParseWholeNumber(fields[at]);
    }
    if (!std::all_of(numbers.begin(), numbers.end(),
                     [](const auto& number) { return number.has_value(); })) {
      problem = fmt::format("line {} does not read", row + 1);
      return std::nullopt;
    }
    if (season.weeks.empty()) season.year = *numbers[Season];
    if (*numbers[Season] != season.year) {
      problem = fmt::format("line {} belongs to another season", row + 1);
      return std::nullopt;
    }
    const auto score = [&](Column column) {
      const std::size_t at = (*columns)[column];
      return at < fields.size() ? fields[at] : std::string();
    };
    auto& week = season.weeks[*numbers[Week]];
    const int slot = *numbers[Slot];
    if (std::any_of(week.begin(), week.end(),
                    [slot](const SeasonGame& game) { return game.slot == slot; })) {
      problem = fmt::format("line {} repeats slot {} of week {}", row + 1, slot, *numbers[Week]);
      return std::nullopt;
    }
    week.push_back({slot,
                    {Narrow(*numbers[Visitor]), Narrow(*numbers[Home]), Narrow(*numbers[Day])},
                    score(VisitorScore),
                    score(HomeScore)});
  }
  for (auto& [number, games] : season.weeks) {
    std::sort(games.begin(), games.end(),
              [](const SeasonGame& a, const SeasonGame& b) { return a.slot < b.slot; });
  }
  if (season.weeks.empty()) {
    problem = "the file holds no games";
    return std::nullopt;
  }
  return season;
}

}  // namespace tavrin::cli
