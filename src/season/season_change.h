#pragma once
// Changing a season folder as one step.
//
// While a SeasonChange is open on a folder, the data files written there are only staged in
// memory: readers of the folder see the staged contents, the disk does not change, and each file
// is read from the disk once. Commit writes
// and syncs every staged file beside its target, then renames a journal naming them into place.
// That rename is the moment the change happens: a crash before it leaves the season as it was,
// a crash after it leaves a journal from which the next open of the folder finishes the change
// (RecoverSeasonFolder). A change of one file needs no journal: its rename is the moment.
//
// A change opened while another is open on the same folder joins it: its Commit only checks,
// its files are written when the outermost change commits, and abandoning it (destroying it
// without a successful Commit) takes back only what it staged.

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "season/file_io.h"
#include "season/outcome.h"

namespace tavrin {

class SeasonChange {
 public:
  explicit SeasonChange(const std::filesystem::path& folder);
  ~SeasonChange();
  SeasonChange(const SeasonChange&) = delete;
  SeasonChange& operator=(const SeasonChange&) = delete;

  // Refused, with nothing written, after a failed read of a season file (what was computed from
  // it cannot be trusted) or in a folder this program may only read.
  Outcome<void> Commit();

  struct Open;  // what every change joined on one folder shares

 private:
  friend Outcome<void> WriteSeasonFile(const std::filesystem::path& file, std::string contents);
  void Stage(std::string name, std::string contents);

  std::unique_ptr<Open> owned_;  // the outermost change's, which ends with it
  Open* open_;                   // the one this change joined, or owned_
  bool outermost_;
  bool committed_ = false;
  std::map<std::string, std::string> staged_before_;  // a joining change's undo
};

// A season's data files, read and written through the change open on their folder. Reading
// remembers a failure (see FirstReadFailure); writing with no change open replaces the file at
// once, as a change of that one file.
Outcome<FileContents> ReadSeasonFile(const std::filesystem::path& file);
Outcome<FileContents> ReadSeasonFileRange(const std::filesystem::path& file, std::uint64_t offset,
                                          std::size_t length);
Outcome<void> WriteSeasonFile(const std::filesystem::path& file, std::string contents);
// Replaces `bytes.size()` bytes at `offset` of a fixed-record file, padding a short (or missing)
// file with zero bytes; refused when the old file cannot be read.
Outcome<void> PatchSeasonFile(const std::filesystem::path& file, std::uint64_t offset,
                              std::string_view bytes);

// Marks a folder this program may read but not change (another program holds it); every commit
// there is refused with `reason`.
void MarkSeasonReadOnly(const std::filesystem::path& folder, std::string reason);
std::optional<std::string> SeasonReadOnlyReason(const std::filesystem::path& folder);

// Finishes a change that a crash interrupted after its journal was in place, and removes what
// unfinished changes and dead writers left behind. Run it holding the folder's lock, before
// anything in the folder is read.
Outcome<void> RecoverSeasonFolder(const std::filesystem::path& folder);

// The names the change machinery gives its files, for tests and the recovery.
inline constexpr const char* JournalFileName = ".tavrin-journal";
inline constexpr std::string_view StagedSuffix = ".tavrin-new";

}  // namespace tavrin
