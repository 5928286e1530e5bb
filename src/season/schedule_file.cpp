#include <fmt/format.h>

#include <limits>

#include "season/data_files.h"
#include "season/little_endian.h"
#include "season/season_change.h"
#include "season/text_convention.h"

namespace tavrin {

namespace {

constexpr uint16_t TextValueTag = 8;
constexpr std::size_t ScheduleTextLength = ScheduleRecordSize - 4;  // 96
constexpr int CharactersPerGame = 5;

std::filesystem::path ScheduleFile(const SeasonStore& store, const std::filesystem::path& folder) {
  return folder / ScheduleFileName(store.WorkingYear);
}

// The characters `first`.. (counted from 1) of the text; fewer, or none, past its end.
std::string_view Characters(std::string_view text, std::size_t first, std::size_t count) {
  if (first > text.size()) return {};
  return text.substr(first - 1, count);
}

// A game field is exactly `width` decimal digits; anything else is damage.
std::optional<int> DigitsField(std::string_view text, std::size_t first, std::size_t width) {
  const std::string_view field = Characters(text, first, width);
  if (field.size() != width) return std::nullopt;
  int value = 0;
  for (char c : field) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// The week's schedule text, or nothing when the record was never written (or is not a
// schedule record). A text longer than the record could hold marks a damaged record.
std::optional<std::string> RecordText(const std::string& record, bool& damaged) {
  if (record.size() < 4) return std::nullopt;
  const auto* bytes = reinterpret_cast<const uint8_t*>(record.data());
  if (LoadU16(bytes) != TextValueTag) return std::nullopt;
  const std::size_t length = LoadU16(bytes + 2);
  if (length > ScheduleTextLength) {
    damaged = true;
    return std::nullopt;
  }
  return record.substr(4, length);
}

// Two decimal digits for a team number or game count, one for a day code.
bool AppendDigits(std::string& text, int value, int width) {
  const int limit = width == 2 ? 100 : 10;
  if (value < 0 || value >= limit) return false;
  if (width == 2 && value < 10) text += '0';
  text += std::to_string(value);
  return true;
}

// Reads one record's bytes into the store; true when the record exists but is damaged.
bool ReadRecordIntoStore(SeasonStore& store, const std::optional<std::string>& record) {
  store.GameFirstTeam[1] = 0;
  store.GameSecondTeam[1] = 0;
  bool damaged = false;
  const std::string text = record ? RecordText(*record, damaged).value_or("") : "";

  // A blank count gives 0; a count the schedule arrays cannot hold is damage.
  const std::optional<int16_t> count = ToInt16(ReadLenientNumber(Characters(text, 1, 2)));
  if (!count || *count < 0 || *count > MaxScheduleSlot) damaged = true;
  store.WeekGameCount = damaged ? 0 : *count;

  // Game slots above the count keep what an earlier read left in them. A damaged field is
  // stored as 0 so that no caller indexes with it.
  for (int game = 1; game <= store.WeekGameCount; ++game) {
    const std::size_t at = 3 + static_cast<std::size_t>(CharactersPerGame * (game - 1));
    const std::optional<int> first = DigitsField(text, at, 2);
    const std::optional<int> second = DigitsField(text, at + 2, 2);
    const std::optional<int> day = DigitsField(text, at + 4, 1);
    const bool first_ok = first && IsSeasonTeam(store, *first);
    const bool second_ok = second && IsSeasonTeam(store, *second);
    const bool day_ok = day && *day >= 1 && *day <= 7;
    store.GameFirstTeam[game] = static_cast<int16_t>(first_ok ? *first : 0);
    store.GameSecondTeam[game] = static_cast<int16_t>(second_ok ? *second : 0);
    store.GameDay[game] = static_cast<int16_t>(day_ok ? *day : 0);
    if (!first_ok || !second_ok || !day_ok) damaged = true;
  }
  return damaged;
}

// A week read whole that lists at least its first game.
bool ReadWholeWithFirstGame(const SeasonStore& store, bool damaged) {
  return !damaged && store.GameFirstTeam[1] != 0 && store.GameSecondTeam[1] != 0;
}

}  // namespace

std::string ScheduleFileName(int year) { return "TVSC" + std::to_string(year) + ".dat"; }

// Nothing, or a short record, reads as a week never written.
std::optional<std::string> ReadWeekRecordBytes(const SeasonStore& store,
                                               const std::filesystem::path& folder, int week) {
  if (week < 1) return std::nullopt;
  auto read = ReadSeasonFileRange(ScheduleFile(store, folder), ScheduleRecordOffset(week),
                                  ScheduleRecordSize);
  return read ? *read : std::nullopt;
}

bool ReadScheduleWeek(SeasonStore& store, const std::filesystem::path& folder, int week) {
  return ReadWholeWithFirstGame(
      store, ReadRecordIntoStore(store, ReadWeekRecordBytes(store, folder, week)));
}

bool ReadScheduleRecord(SeasonStore& store, const std::optional<std::string>& record) {
  return ReadWholeWithFirstGame(store, ReadRecordIntoStore(store, record));
}

bool ScheduleWeekDamaged(const SeasonStore& store, const std::filesystem::path& folder, int week) {
  SeasonStore scratch = store;
  return ReadRecordIntoStore(scratch, ReadWeekRecordBytes(store, folder, week));
}

Outcome<std::string> ScheduleRecordBytes(const SeasonStore& store) {
  if (store.WeekGameCount < 0 || store.WeekGameCount > MaxGamesPerScheduleRecord) {
    return Failure{
        fmt::format("a week of {} games does not fit a schedule record", store.WeekGameCount)};
  }
  std::string text;
  AppendDigits(text, store.WeekGameCount, 2);
  for (int game = 1; game <= store.WeekGameCount; ++game) {
    if (!AppendDigits(text, store.GameFirstTeam[game], 2) ||
        !AppendDigits(text, store.GameSecondTeam[game], 2) ||
        !AppendDigits(text, store.GameDay[game], 1)) {
      return Failure{fmt::format("game {} does not fit a schedule record", game)};
    }
  }
  text.resize(ScheduleTextLength, ' ');

  std::string record(4, '\0');
  auto* header = reinterpret_cast<uint8_t*>(record.data());
  StoreU16(header, TextValueTag);
  StoreU16(header + 2, static_cast<uint16_t>(ScheduleTextLength));
  record += text;
  return record;
}

Outcome<void> WriteScheduleWeek(const SeasonStore& store, const std::filesystem::path& folder,
                                int week) {
  const std::string name = ScheduleFileName(store.WorkingYear);
  if (week < 1 || week > std::numeric_limits<int16_t>::max()) {
    return Failure{fmt::format("{} has no week {}", name, week)};
  }
  const Outcome<std::string> record = ScheduleRecordBytes(store);
  if (!record) return Failure{fmt::format("week {} of {}: {}", week, name, record.failure())};
  return PatchSeasonFile(folder / name, ScheduleRecordOffset(week), *record);
}

}  // namespace tavrin
