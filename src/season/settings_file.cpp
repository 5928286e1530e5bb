#include <cmath>
#include <limits>

#include "season/data_files.h"
#include "season/season_change.h"
#include "season/text_convention.h"
#include "season/text_file_lines.h"

namespace tavrin {

namespace {

// A two-digit year in the file is widened: 98 and 99 into the 1900s, 0..96 into the 2000s;
// 97, like a four-digit year, is kept as it is.
int16_t WidenYear(int16_t year) {
  int value = year;
  if (value == 98 || value == 99) value += 1900;
  if (value < 97) value += 2000;
  return static_cast<int16_t>(value);
}

std::optional<float> ToSingle(double value) {
  if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) {
    return std::nullopt;
  }
  return static_cast<float>(value);
}

// Nothing when the line is missing or its number does not fit.
std::optional<int16_t> LineInt16(std::optional<std::string_view> line) {
  if (!line) return std::nullopt;
  return ToInt16(ReadLenientNumber(LineValue(*line)));
}

std::optional<float> LineSingle(std::optional<std::string_view> line) {
  if (!line) return std::nullopt;
  return ToSingle(ReadLenientNumber(LineValue(*line)));
}

}  // namespace

int16_t SeasonTeamCountIn(const std::filesystem::path& folder, int year) {
  if (TeamCountOfYear(year) == LeagueTeamCount) return LeagueTeamCount;
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(folder / StatisticsFileName(year), error);
  if (!error && size > 0) {
    // Blocks are written whole, so the file's length is a whole number of them; a length both
    // counts divide (31 blocks of 32 records) says nothing.
    const bool of_31 = size % (std::uintmax_t{StatsRecordSize} * LeagueTeamCount) == 0;
    const bool of_32 = size % (std::uintmax_t{StatsRecordSize} * MostLeagueTeams) == 0;
    if (of_31 != of_32) return of_31 ? LeagueTeamCount : MostLeagueTeams;
  }
  return MostLeagueTeams;  // a season not yet set up is one of its year's league
}

bool ReadSettings(SeasonStore& store, const std::filesystem::path& folder) {
  store.TeamCount = SeasonTeamCountIn(folder, store.WorkingYear);
  const auto text = ReadSeasonFile(folder / SettingsFileName);
  if (!text || !*text) return false;
  const std::vector<std::string_view> lines = SplitLines(**text);
  std::size_t next = 0;
  const auto next_line = [&]() -> std::optional<std::string_view> {
    if (next >= lines.size()) return std::nullopt;
    return lines[next++];
  };

  // Each value is stored as soon as it is read, so a damaged file keeps the ones before it.
  const auto year = LineInt16(next_line());
  if (!year) return false;
  store.WorkingYear = WidenYear(*year);
  store.TeamCount = SeasonTeamCountIn(folder, store.WorkingYear);
  const auto reactivity = LineSingle(next_line());
  if (!reactivity) return false;
  store.Reactivity = *reactivity;
  const auto weighting = LineSingle(next_line());
  if (!weighting) return false;
  store.Weighting = *weighting;
  if (!next_line()) return false;  // the reserved line, read and discarded
  const auto last_scored = LineInt16(next_line());
  if (!last_scored) return false;
  store.LastScoredWeek = *last_scored;
  const auto font = next_line();
  if (!font) return false;
  store.ReportFont = LineValue(*font);
  const auto weeks = LineInt16(next_line());
  if (!weeks) return false;
  store.WeeksInSeason = *weeks;
  return true;
}

Outcome<std::string> SettingsText(const SeasonStore& store) {
  if (!FitsQuotedLine(store.ReportFont)) {
    return Failure{"the report font cannot be written to the settings file"};
  }
  std::string text;
  text += GeneralNumber(store.WorkingYear);
  text += LineEnd;
  text += GeneralNumber(store.Reactivity);
  text += LineEnd;
  text += GeneralNumber(store.Weighting);
  text += LineEnd;
  text += LineEnd;  // reserved
  text += GeneralNumber(store.LastScoredWeek);
  text += LineEnd;
  text += QuotedLine(store.ReportFont);
  text += GeneralNumber(store.WeeksInSeason);
  text += LineEnd;
  return text;
}

Outcome<void> WriteSettings(const SeasonStore& store, const std::filesystem::path& folder) {
  Outcome<std::string> text = SettingsText(store);
  if (!text) return Failure{text.failure()};
  return WriteSeasonFile(folder / SettingsFileName, std::move(*text));
}

}  // namespace tavrin
