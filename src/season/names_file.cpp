#include "season/data_files.h"
#include "season/season_change.h"
#include "season/text_file_lines.h"

namespace tavrin {

const char* NamesFileNameOf(const SeasonStore& store) {
  return SeasonTeamCount(store) == LeagueTeamCount ? NamesFileName : ThirtyTwoTeamNamesFileName;
}

bool ReadNames(SeasonStore& store, const std::filesystem::path& folder) {
  const auto text = ReadSeasonFile(folder / NamesFileNameOf(store));
  if (!text || !*text) return false;
  const std::vector<std::string_view> lines = SplitLines(**text);
  const int teams = SeasonTeamCount(store);
  // Line k of each block belongs to team k; lines past the two blocks are ignored.
  for (int line = 0; line < 2 * teams; ++line) {
    if (static_cast<std::size_t>(line) >= lines.size()) return false;
    auto& table = line < teams ? store.LocationName : store.TeamName;
    table[line % teams + 1] = LineValue(lines[line]);
  }
  return true;
}

Outcome<std::string> NamesText(const SeasonStore& store) {
  std::string text;
  for (const auto* table : {&store.LocationName, &store.TeamName}) {
    for (int team = 1; team <= SeasonTeamCount(store); ++team) {
      if (!FitsQuotedLine((*table)[team])) {
        return Failure{"a name cannot contain a double quote or a line break"};
      }
      text += QuotedLine((*table)[team]);
    }
  }
  return text;
}

Outcome<void> WriteNames(const SeasonStore& store, const std::filesystem::path& folder) {
  Outcome<std::string> text = NamesText(store);
  if (!text) return Failure{text.failure()};
  return WriteSeasonFile(folder / NamesFileNameOf(store), std::move(*text));
}

}  // namespace tavrin
