#pragma once
// Readers and writers of the four data files. All of them work in one folder (the program's
// current directory) and treat every file as untrusted input.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "season/outcome.h"
#include "season/season_store.h"

namespace tavrin {

inline constexpr const char* SettingsFileName = "TavSE.dat";
inline constexpr const char* NamesFileName = "TavNM.dat";
// The 32-team league's names sit beside the 31-team league's, so that a folder may hold seasons of
// both and each reads its own.
inline constexpr const char* ThirtyTwoTeamNamesFileName = "TavNM32.dat";
const char* NamesFileNameOf(const SeasonStore& store);
std::string ScheduleFileName(int year);    // "TVSC" + year + ".dat"
std::string StatisticsFileName(int year);  // "TVSt" + year + ".dat"

// Every writer stages its file in the change open on the folder (see season/season_change.h), or
// replaces it at once when none is open; a failure names the file and the reason.

// Settings "TavSE.dat". Reading sets TeamCount, fills the six settings in file order
// and stops at the first line that is missing or does not fit (a 16-bit value out of range, a
// single beyond its range), returning false; values not read keep what they held. Two-digit
// years are widened (98 -> 1998, 5 -> 2005); TeamCount is then the season's (SeasonTeamCountIn).
// Writing refuses a ReportFont holding a double quote or a line break, since it could not be read
// back.
bool ReadSettings(SeasonStore& store, const std::filesystem::path& folder);
// The team count of the season of `year` kept in `folder`: 31 to 2001, and 32 from 2002 unless
// its statistics blocks hold 31 records. A season of 31 teams may carry any working year the
// settings accept; its file says how many teams it has, so its figures are read with the count
// they were written with.
int16_t SeasonTeamCountIn(const std::filesystem::path& folder, int year);
Outcome<void> WriteSettings(const SeasonStore& store, const std::filesystem::path& folder);
// The settings file's whole text, refused when the ReportFont could not be read back.
Outcome<std::string> SettingsText(const SeasonStore& store);

// Names "TavNM.dat" (TavNM32.dat for a 32-team season): LocationName(1..N), then TeamName(1..N)
// of the season's N teams. Reading returns false on a missing file or fewer than 2N lines (the
// lines present are still taken). Writing refuses a
// name holding a double quote or a line break.
bool ReadNames(SeasonStore& store, const std::filesystem::path& folder);
Outcome<void> WriteNames(const SeasonStore& store, const std::filesystem::path& folder);
// The names file's whole text, refused when a name could not be read back.
Outcome<std::string> NamesText(const SeasonStore& store);

// Schedule: one 100-byte record per week. Reading answers whether the week can be used: false
// when the week has no first game or the record is damaged (a count above 21, a team outside
// 1..SeasonTeamCount, a day outside 1..7 or a game field that is not digits); damaged fields are
// stored as 0 and a damaged count as 0, so nothing read can index out of range. It never creates
// the file. Writing refuses (false, file untouched) a week of more than 18 games or a field that
// does not fit its digits.
inline constexpr int ScheduleRecordSize = 100;
inline constexpr int MaxGamesPerScheduleRecord = 18;
[[nodiscard]] bool ReadScheduleWeek(SeasonStore& store, const std::filesystem::path& folder,
                                    int week);
Outcome<void> WriteScheduleWeek(const SeasonStore& store, const std::filesystem::path& folder,
                                int week);
// The same two steps on one record's bytes held in memory: reading (nothing or a short record
// reads as a week never written) and the record of the loaded week, refused when the week
// cannot be written.
[[nodiscard]] bool ReadScheduleRecord(SeasonStore& store, const std::optional<std::string>& record);
Outcome<std::string> ScheduleRecordBytes(const SeasonStore& store);
inline std::uint64_t ScheduleRecordOffset(int week) {
  return static_cast<std::uint64_t>(week - 1) * ScheduleRecordSize;
}
// The week's record exists but is damaged, as the reader above judges it.
bool ScheduleWeekDamaged(const SeasonStore& store, const std::filesystem::path& folder, int week);

// Statistics: 48-byte records, SeasonTeamCount records a block, block b = state after week b.
inline constexpr int StatsRecordSize = 48;
using StatsRecord = std::array<uint8_t, StatsRecordSize>;
StatsRecord PackStatsRecord(const SeasonStore& store, int slot);
void UnpackStatsRecord(SeasonStore& store, int slot, const StatsRecord& record);

// The loader: block `block` (the state after that week) into the statistics arrays. False when
// the block cannot be used: it cannot be read or its game slots 1..5 hold no favourite. A missing
// or short file reads as zeros. A damaged record (a winner or favourite that is not a team, a
// value that is not a number) has those fields set to 0 and also gives false.
[[nodiscard]] bool LoadStatsBlock(SeasonStore& store, const std::filesystem::path& folder,
                                  int block);
// The loaded block holds a favourite in one of its game slots 1..5: it was predicted.
bool BlockHasPredictions(const SeasonStore& store);
// Block b as it stands, whether or not it was predicted; false when the file is missing or
// unreadable or a record is damaged (read as above).
bool LoadStatsBlockNumber(SeasonStore& store, const std::filesystem::path& folder, int block);
// Block b of the season's statistics file exists but cannot be read as one: a record holds a
// team number that is no team or a figure that is not a number, or the file ends inside one of
// the block's records. False for a missing file or a block beyond its end.
bool StatsBlockDamaged(const SeasonStore& store, const std::filesystem::path& folder, int block);
// Replaces block b from the statistics arrays (the caller rounds first); a shorter file is
// padded with zero bytes. False, with the file untouched, when it cannot be replaced.
Outcome<void> WriteStatsBlock(SeasonStore& store, const std::filesystem::path& folder, int block);
// The same on a block's bytes held in memory: reading (a short block reads as zeros; false when
// a record is damaged) and the block of the statistics arrays.
inline constexpr std::size_t StatsBlockSize =
    static_cast<std::size_t>(StatsRecordSize) * LeagueTeamCount;  // of the 31-team league
inline std::size_t StatsBlockSizeOf(const SeasonStore& store) {
  return static_cast<std::size_t>(StatsRecordSize) *
         static_cast<std::size_t>(SeasonTeamCount(store));
}
bool ReadStatsBlockBytes(SeasonStore& store, const std::optional<std::string>& bytes);
std::string StatsBlockBytes(const SeasonStore& store);

}  // namespace tavrin
