#pragma once
// Whole-file reads and atomic whole-file replacement, with a seam through which tests make
// the n-th open, write, flush or rename fail.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tavrin {

// The file's bytes, or nothing when it is missing or unreadable. Never creates the file.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);

// Writes the contents to a temporary file beside the target, syncs it, renames it over the
// target and syncs the folder. On failure the old file is left whole and false is returned.
bool ReplaceFileAtomically(const std::filesystem::path& file, std::string_view contents);

// Test seam: make the n-th (counted from 1, from now on) operation of a kind fail.
enum class FileOperation { Open, Write, Flush, Rename };
void InjectFileFault(FileOperation operation, int nth);
void ClearFileFaults();

}  // namespace tavrin
