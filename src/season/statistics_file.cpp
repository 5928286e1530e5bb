#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "season/data_files.h"
#include "season/little_endian.h"
#include "season/season_change.h"

namespace tavrin {

namespace {

std::filesystem::path StatisticsFile(const SeasonStore& store,
                                     const std::filesystem::path& folder) {
  return folder / StatisticsFileName(store.WorkingYear);
}

// Offset of the first record of block b; record 1 for any block before the first.
std::uint64_t BlockOffset(const SeasonStore& store, int block) {
  return block >= 1 ? static_cast<std::uint64_t>(block) * StatsBlockSizeOf(store) : 0;
}

bool IsTeamOrNone(const SeasonStore& store, int16_t team) {
  return team == 0 || IsSeasonTeam(store, team);
}

// A field read from the file that callers could not use safely (a team number they would
// index with, a value that is not a number) is replaced by 0 and reported.
void SanitizeSlot(SeasonStore& store, int slot, bool& damaged) {
  for (auto* team : {&store.GameWinner[slot], &store.PickTeam[slot]}) {
    if (!IsTeamOrNone(store, *team)) {
      *team = 0;
      damaged = true;
    }
  }
  for (auto* value : {&store.Wins[slot], &store.PointsScored[slot], &store.PointsAllowed[slot],
                      &store.AveOffense[slot], &store.AveDefense[slot], &store.WinMargin[slot],
                      &store.PickMargin[slot], &store.SecondScore[slot]}) {
    if (!std::isfinite(*value)) {
      *value = 0;
      damaged = true;
    }
  }
  if (!std::isfinite(store.Cqr[slot])) {
    store.Cqr[slot] = 0;
    damaged = true;
  }
}

// Reads the block that starts at `offset` into slots 1..SeasonTeamCount; a missing file or a short
// one reads as zeros. False when the file is unreadable or a record is damaged.
bool ReadBlockAt(SeasonStore& store, const std::filesystem::path& file, std::uint64_t offset) {
  auto read = ReadSeasonFileRange(file, offset, StatsBlockSizeOf(store));
  return ReadStatsBlockBytes(store, read ? *read : std::nullopt);
}

}  // namespace

bool ReadStatsBlockBytes(SeasonStore& store, const std::optional<std::string>& bytes) {
  bool damaged = !bytes;
  for (int slot = 1; slot <= SeasonTeamCount(store); ++slot) {
    StatsRecord record{};
    const std::size_t start = static_cast<std::size_t>(slot - 1) * StatsRecordSize;
    if (bytes && bytes->size() > start) {
      const std::size_t available = std::min<std::size_t>(StatsRecordSize, bytes->size() - start);
      std::copy_n(bytes->data() + start, available, reinterpret_cast<char*>(record.data()));
    }
    UnpackStatsRecord(store, slot, record);
    SanitizeSlot(store, slot, damaged);
  }
  return !damaged;
}

std::string StatisticsFileName(int year) { return "TVSt" + std::to_string(year) + ".dat"; }

StatsRecord PackStatsRecord(const SeasonStore& store, int slot) {
  StatsRecord record{};
  uint8_t* bytes = record.data();
  StoreF32(bytes + 0, store.Wins[slot]);
  StoreI16(bytes + 4, store.Losses[slot]);
  StoreI16(bytes + 6, store.Ties[slot]);
  StoreF32(bytes + 8, store.PointsScored[slot]);
  StoreF32(bytes + 12, store.PointsAllowed[slot]);
  StoreF32(bytes + 16, store.AveOffense[slot]);
  StoreF32(bytes + 20, store.AveDefense[slot]);
  StoreI16(bytes + 24, store.GameWinner[slot]);
  StoreF32(bytes + 26, store.WinMargin[slot]);
  StoreF32(bytes + 30, static_cast<float>(store.Cqr[slot]));
  StoreI16(bytes + 34, store.PickTeam[slot]);
  StoreF32(bytes + 36, store.PickMargin[slot]);
  StoreI16(bytes + 40, store.FirstScore[slot]);
  StoreF32(bytes + 42, store.SecondScore[slot]);
  return record;  // bytes 46 and 47 stay zero
}

void UnpackStatsRecord(SeasonStore& store, int slot, const StatsRecord& record) {
  const uint8_t* bytes = record.data();
  store.Wins[slot] = LoadF32(bytes + 0);
  store.Losses[slot] = LoadI16(bytes + 4);
  store.Ties[slot] = LoadI16(bytes + 6);
  store.PointsScored[slot] = LoadF32(bytes + 8);
  store.PointsAllowed[slot] = LoadF32(bytes + 12);
  store.AveOffense[slot] = LoadF32(bytes + 16);
  store.AveDefense[slot] = LoadF32(bytes + 20);
  store.GameWinner[slot] = LoadI16(bytes + 24);
  store.WinMargin[slot] = LoadF32(bytes + 26);
  store.Cqr[slot] = LoadF32(bytes + 30);
  store.PickTeam[slot] = LoadI16(bytes + 34);
  store.PickMargin[slot] = LoadF32(bytes + 36);
  store.FirstScore[slot] = LoadI16(bytes + 40);
  store.SecondScore[slot] = LoadF32(bytes + 42);
}

bool LoadStatsBlock(SeasonStore& store, const std::filesystem::path& folder, int block) {
  const bool whole = ReadBlockAt(store, StatisticsFile(store, folder), BlockOffset(store, block));
  return whole && BlockHasPredictions(store);
}

bool BlockHasPredictions(const SeasonStore& store) {
  for (int game = 1; game <= 5; ++game) {
    if (store.PickTeam[game] != 0) return true;
  }
  return false;
}

bool LoadStatsBlockNumber(SeasonStore& store, const std::filesystem::path& folder, int block) {
  return ReadBlockAt(store, StatisticsFile(store, folder), BlockOffset(store, block));
}

bool StatsBlockDamaged(const SeasonStore& store, const std::filesystem::path& folder, int block) {
  const auto read = ReadSeasonFile(StatisticsFile(store, folder));
  if (!read) return true;
  if (!*read) return false;
  const std::string& bytes = **read;
  const std::uint64_t start = BlockOffset(store, block);
  const std::size_t size = StatsBlockSizeOf(store);
  if (bytes.size() <= start) return false;
  if (bytes.size() < start + size && bytes.size() % StatsRecordSize != 0) return true;
  SeasonStore scratch = store;
  return !ReadStatsBlockBytes(scratch, bytes.substr(static_cast<std::size_t>(start), size));
}

std::string StatsBlockBytes(const SeasonStore& store) {
  std::string bytes;
  bytes.reserve(StatsBlockSizeOf(store));
  for (int slot = 1; slot <= SeasonTeamCount(store); ++slot) {
    const StatsRecord record = PackStatsRecord(store, slot);
    bytes.append(reinterpret_cast<const char*>(record.data()), record.size());
  }
  return bytes;
}

Outcome<void> WriteStatsBlock(SeasonStore& store, const std::filesystem::path& folder, int block) {
  if (block < 0 || block > std::numeric_limits<int16_t>::max()) {
    return Failure{fmt::format("{} has no block {}", StatisticsFileName(store.WorkingYear), block)};
  }
  return PatchSeasonFile(StatisticsFile(store, folder), BlockOffset(store, block),
                         StatsBlockBytes(store));
}

}  // namespace tavrin
