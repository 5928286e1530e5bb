#include "presentation/report_text.h"

#include <algorithm>

#include "season/text_convention.h"

namespace tavrin {

namespace {
const std::string NoName;
}  // namespace

const std::string& LocationOf(const SeasonStore& store, int team) {
  return IsSeasonTeam(store, team) ? store.LocationName[team] : NoName;
}

const std::string& NicknameOf(const SeasonStore& store, int team) {
  return IsSeasonTeam(store, team) ? store.TeamName[team] : NoName;
}

const std::string& DayNameOf(const SeasonStore& store, int day) {
  const bool known = day >= 1 && day < static_cast<int>(store.DayName.size());
  return known ? store.DayName[static_cast<std::size_t>(day)] : NoName;
}

std::string DayAbbreviation(const SeasonStore& store, int day) {
  return DayNameOf(store, day).substr(0, 3);
}

int TeamSlot(int team) { return IsTeamNumber(team, MostLeagueTeams) ? team : 0; }

int LoadedGameCount(const SeasonStore& store) {
  return std::clamp<int>(store.WeekGameCount, 0, MaxScheduleSlot);
}

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::string Pairing(const SeasonStore& store, int visitor, int home) {
  return LocationOf(store, visitor) + " at " + LocationOf(store, home);
}

std::string PredictionText(const SeasonStore& store, int favourite, float margin) {
  if (favourite == 0) return "a Pick";
  return NicknameOf(store, favourite) + " by " + GeneralNumber(margin);
}

std::string RightAlignedCount(float value, int width) {
  std::string text;
  float limit = 10;
  for (int column = 2; column <= width; ++column, limit *= 10) {
    if (value < limit) text += ' ';
  }
  return text + GeneralNumber(value);
}

}  // namespace tavrin
