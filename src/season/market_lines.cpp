#include "season/market_lines.h"

#include <fmt/format.h>

#include <charconv>
#include <cmath>
#include <system_error>

#include "season/season_change.h"
#include "season/season_store.h"
#include "season/text_convention.h"
#include "season/text_file_lines.h"

namespace tavrin {

namespace {

constexpr std::string_view Header = "week,visitor,home,spread_line,total_line";

// A season has a few hundred games; a file far beyond that is not one this program wrote.
constexpr std::size_t MaxLines = 4096;
constexpr std::uintmax_t MaxFileSize = 256u << 10;
constexpr int MaxWeek = 99;
// No real line comes near this; anything beyond it is damage, not a figure.
constexpr double MaxFigure = 1000;

std::optional<int> WholeField(std::string_view field, int low, int high) {
  int value = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (field.empty() || error != std::errc() || end != field.data() + field.size()) {
    return std::nullopt;
  }
  if (value < low || value > high) return std::nullopt;
  return value;
}

std::optional<MarketLine> ParseRow(std::string_view row, int teams) {
  std::string_view fields[5];
  std::size_t count = 0;
  while (true) {
    const std::size_t comma = row.find(',');
    if (count == 5) return std::nullopt;
    fields[count++] = row.substr(0, comma);
    if (comma == std::string_view::npos) break;
    row.remove_prefix(comma + 1);
  }
  if (count != 5) return std::nullopt;
  MarketLine line;
  const auto week = WholeField(fields[0], 1, MaxWeek);
  const auto visitor = WholeField(fields[1], 1, teams);
  const auto home = WholeField(fields[2], 1, teams);
  if (!week || !visitor || !home || *visitor == *home) return std::nullopt;
  line.week = *week;
  line.visitor = *visitor;
  line.home = *home;
  const auto spread = ReadMarketFigure(fields[3]);
  const auto total = ReadMarketFigure(fields[4]);
  if (!spread || !total) return std::nullopt;
  line.spread = *spread;
  line.total = *total;
  return line;
}

std::string FigureText(const std::optional<double>& figure) {
  return figure ? GeneralNumber(*figure) : std::string();
}

}  // namespace

Outcome<std::optional<double>> ReadMarketFigure(std::string_view text) {
  if (text.empty()) return std::optional<double>();
  double value = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value) ||
      std::fabs(value) > MaxFigure) {
    return Failure{"is not a number"};
  }
  return std::optional<double>(value);
}

std::string MarketLinesFileName(int year) { return "TVML" + YearText(year) + ".csv"; }

Outcome<std::vector<MarketLine>> ReadMarketLines(const std::filesystem::path& folder, int year) {
  const std::string name = MarketLinesFileName(year);
  const auto text = ReadSeasonFile(folder / name);
  if (!text) return Failure{text.failure()};
  if (!*text) return std::vector<MarketLine>{};
  if ((*text)->size() > MaxFileSize) return Failure{name + " is too large to be betting lines"};

  std::vector<std::string_view> rows = SplitLines(**text);
  // The writer ends its last row with a line break, so one empty last line is not damage.
  if (!rows.empty() && rows.back().empty()) rows.pop_back();
  if (rows.empty() || rows.front() != Header) return Failure{name + " has no header line"};
  if (rows.size() > MaxLines) return Failure{name + " has too many lines to be betting lines"};

  std::vector<MarketLine> lines;
  lines.reserve(rows.size() - 1);
  for (std::size_t i = 1; i < rows.size(); ++i) {
    std::optional<MarketLine> line = ParseRow(rows[i], TeamCountOfYear(year));
    if (!line) return Failure{fmt::format("{}:{}: not a game's betting line", name, i + 1)};
    lines.push_back(*line);
  }
  return lines;
}

std::string MarketLinesText(const std::vector<MarketLine>& lines) {
  std::string text(Header);
  text += '\n';
  for (const MarketLine& line : lines) {
    text += fmt::format("{},{},{},{},{}\n", line.week, line.visitor, line.home,
                        FigureText(line.spread), FigureText(line.total));
  }
  return text;
}

}  // namespace tavrin
