#pragma once
// Whole-file reads and atomic whole-file replacement, with a seam through which tests make
// the n-th open, write, flush or rename fail.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

// Data files are small; anything larger than this is refused rather than read into memory.
inline constexpr std::uint64_t MaxDataFileSize = 64u << 20;

// The file's bytes, or nothing when it is missing or unreadable. Never creates the file.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);

// Up to `length` bytes from `offset` on (fewer, possibly none, past the end of the file), or
// nothing when the file is missing or unreadable. Never creates the file.
std::optional<std::string> ReadFileRange(const std::filesystem::path& file, std::uint64_t offset,
                                         std::size_t length);

// Writes the contents to a temporary file beside the target, syncs it, renames it over the
// target and syncs the folder. On failure the old file is left whole and false is returned.
// A target that exists but is write-protected is refused.
bool ReplaceFileAtomically(const std::filesystem::path& file, std::string_view contents);

// Replaces several files as one change: every new content is written and synced beside its
// target first, then the targets are renamed over in the given order (put the file that says
// how far the others go last) and each folder is synced once. When any step fails every
// target is put back as it was, and false is returned.
struct FileReplacement {
  std::filesystem::path file;
  std::string contents;
};
bool ReplaceFilesTogether(const std::vector<FileReplacement>& replacements);

// Replaces `bytes.size()` bytes at `offset` of a fixed-record file: reads the whole file (none
// yet counts as empty), pads a short file with zero bytes, patches, and replaces it
// atomically. False, with the file untouched, when it exists but cannot be read or replaced.
bool PatchFileAtomically(const std::filesystem::path& file, std::uint64_t offset,
                         std::string_view bytes);

// Test seam: make the n-th (counted from 1, from now on) operation of a kind fail.
enum class FileOperation { Open, Write, Flush, Rename };
void InjectFileFault(FileOperation operation, int nth);
void ClearFileFaults();

}  // namespace tavrin
