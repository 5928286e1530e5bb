#pragma once
// The betting lines an imported CSV carried, kept in a small text file of their own so that the
// settings, names, schedule and statistics files keep their fixed layouts.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "season/outcome.h"

namespace tavrin {

// One game's betting line as an imported CSV gave it. spread > 0 when the home team is favoured;
// total is the expected points of both teams.
struct MarketLine {
  int week = 0;
  int visitor = 0;
  int home = 0;
  std::optional<double> spread;
  std::optional<double> total;
};

// "TVML" + year as "0000" + ".csv": a small text file beside the season's data files.
std::string MarketLinesFileName(int year);

// The season's lines; none when the file does not exist; a failure naming the file (and the
// line) when it cannot be read or is damaged.
Outcome<std::vector<MarketLine>> ReadMarketLines(const std::filesystem::path& folder, int year);

// One figure of a line as text: absent for an empty text; otherwise a plain, finite decimal of
// sensible size (no exponent, no blanks), or a failure saying what the text is not, to follow
// the name of the field it came from.
Outcome<std::optional<double>> ReadMarketFigure(std::string_view text);

// The file's whole text for `lines` (header "week,visitor,home,spread_line,total_line", one row a
// game, an absent figure as an empty field), for the caller to write atomically.
std::string MarketLinesText(const std::vector<MarketLine>& lines);

}  // namespace tavrin
