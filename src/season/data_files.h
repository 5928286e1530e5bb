#pragma once
// Readers and writers of the four data files. All of them work in one folder (the program's
// current directory) and treat every file as untrusted input.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "season/season_store.h"

namespace tavrin {

inline constexpr const char* SettingsFileName = "TavSE.dat";
inline constexpr const char* NamesFileName = "TavNM.dat";
std::string ScheduleFileName(int year);    // "TVSC" + year + ".dat"
std::string StatisticsFileName(int year);  // "TVSt" + year + ".dat"

// Settings "TavSE.dat". Reading fills the six settings in file order and stops at the first
// line that is missing or does not fit, returning false; values not read keep what they held.
bool ReadSettings(SeasonStore& store, const std::filesystem::path& folder);
bool WriteSettings(const SeasonStore& store, const std::filesystem::path& folder);

// Names "TavNM.dat": LocationName(1..31), then TeamName(1..31).
bool ReadNames(SeasonStore& store, const std::filesystem::path& folder);
enum class NamesWriteResult { Written, Failed, QuoteInName };
NamesWriteResult WriteNames(const SeasonStore& store, const std::filesystem::path& folder);

// Schedule: one 100-byte record per week. Reading sets ScheduleStatus to "error" when the week
// has no first game or the record is damaged; it never creates the file.
inline constexpr int ScheduleRecordSize = 100;
inline constexpr int MaxGamesPerScheduleRecord = 18;
void ReadScheduleWeek(SeasonStore& store, const std::filesystem::path& folder, int week);
bool WriteScheduleWeek(const SeasonStore& store, const std::filesystem::path& folder, int week);

// Statistics: 48-byte records, TeamCount records a block, block b = state after week b.
inline constexpr int StatsRecordSize = 48;
using StatsRecord = std::array<uint8_t, StatsRecordSize>;
StatsRecord PackStatsRecord(const SeasonStore& store, int slot);
void UnpackStatsRecord(SeasonStore& store, int slot, const StatsRecord& record);

// The loader: block SelectedWeek - 1 into the statistics arrays; sets StatsStatus to "error"
// when the block cannot be read or its game slots 1..5 hold no favourite.
void LoadStatsBlock(SeasonStore& store, const std::filesystem::path& folder);
// Block b by number, for callers that do not use StatsStatus; false when the file is unreadable.
bool LoadStatsBlockNumber(SeasonStore& store, const std::filesystem::path& folder, int block);
// Replaces block b from the statistics arrays (the caller rounds first).
bool WriteStatsBlock(SeasonStore& store, const std::filesystem::path& folder, int block);

}  // namespace tavrin
