#pragma once
// Whole-file reads and the steps of a safe replacement (write and sync beside, rename, sync the
// folder), with a seam through which tests make the n-th open, write, flush or rename fail.
// Every failure names the file and the system's reason.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "season/outcome.h"

namespace tavrin {

// Data files are small; anything larger than this is refused rather than read into memory.
inline constexpr std::uint64_t MaxDataFileSize = 64u << 20;

// What stands in a temporary file's name between the target's name and the writing process's
// number: ".TavSE.dat.tavrin-tmp-1234-1".
inline constexpr std::string_view TemporaryMarker = ".tavrin-tmp-";

// Files a person gives the program to read (a season's CSV is about 20 KB, the community's file
// of every season since 1999 a few megabytes); anything larger is refused before it fills memory.
inline constexpr std::uint64_t MaxInputFileSize = 16u << 20;

// A file's bytes, or nothing when there is no such file.
using FileContents = std::optional<std::string>;

// The whole file, nothing when it does not exist, or a failure when it cannot be read, is not a
// regular file (a FIFO is never waited on) or is larger than `limit`. Never creates the file.
Outcome<FileContents> ReadWholeFile(const std::filesystem::path& file,
                                    std::uint64_t limit = MaxDataFileSize);

// Up to `length` bytes from `offset` on (fewer, possibly none, past the end of the file), as
// ReadWholeFile otherwise.
Outcome<FileContents> ReadFileRange(const std::filesystem::path& file, std::uint64_t offset,
                                    std::size_t length);

// The file created or emptied, written, synced and closed, with the permissions of `model` when
// that file exists. Used for a new file that nothing reads yet.
Outcome<void> WriteSyncedFile(const std::filesystem::path& file, std::string_view contents,
                              const std::filesystem::path& model);
Outcome<void> RenameFile(const std::filesystem::path& from, const std::filesystem::path& to);
// Makes the folder's names (new files, renames) durable.
Outcome<void> SyncFolder(const std::filesystem::path& folder);

// The target may be replaced: it does not exist, or is a regular file this process may write.
Outcome<void> CheckReplaceable(const std::filesystem::path& file);

// Writes the contents to a temporary file beside the target, syncs it, renames it over the
// target and syncs the folder; on failure the old file is left whole. For files outside a
// season (an export); a season's own files change through a SeasonChange.
Outcome<void> ReplaceFileAtomically(const std::filesystem::path& file, std::string_view contents);

// The system's reason for the last failed call, as a failure naming the file and what was done.
Failure FileFailure(const std::filesystem::path& file, std::string_view what);

// The first failed read of a season file in this program's run (ReadSeasonFile remembers it).
// A program that has seen one saves nothing more: whatever it computed since may rest on what
// it could not read.
std::optional<Failure> FirstReadFailure();
void RememberReadFailure(const Failure& failure);

// Test seam: make the n-th (counted from 1, from now on) operation of a kind fail. Clearing the
// faults also forgets the read failures they caused.
enum class FileOperation { Open, Write, Flush, Rename };
void InjectFileFault(FileOperation operation, int nth);
void ClearFileFaults();

}  // namespace tavrin
