#pragma once
// One writer at a time in a season folder: an advisory lock on the folder's ".tavrin.lock" that
// the system drops when its holder ends, however it ends, so a crash never leaves a stale lock.
// The holder writes its program's name and process number into the file, so that a program
// that is kept out can say by whom.

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "season/outcome.h"

namespace tavrin {

inline constexpr const char* LockFileName = ".tavrin.lock";

// The names the program's window and its tool write into a lock they hold.
inline constexpr const char* WindowProgramName = "tavrin";
inline constexpr const char* ToolProgramName = "tavrin-cli";

class SeasonLock {
 public:
  // Waits up to `patience` while another program holds the folder; the failure says which
  // ("The season in /x is in use by tavrin-cli (process 1234)").
  static Outcome<SeasonLock> Acquire(const std::filesystem::path& folder, std::string_view program,
                                     std::chrono::milliseconds patience);
  SeasonLock(SeasonLock&& other) noexcept;
  SeasonLock& operator=(SeasonLock&& other) noexcept;
  SeasonLock(const SeasonLock&) = delete;
  SeasonLock& operator=(const SeasonLock&) = delete;
  ~SeasonLock();

 private:
  explicit SeasonLock(int fd) : fd_(fd) {}
  int fd_ = -1;
};

// The program holding the folder's lock, as it wrote itself into the lock file ("tavrin-cli"),
// or nothing when no program says so.
std::optional<std::string> SeasonLockHolder(const std::filesystem::path& folder);

// The lock taken and the folder recovered (see RecoverSeasonFolder): how every program that
// changes a season starts its work on the folder.
Outcome<SeasonLock> OpenSeasonForChanges(const std::filesystem::path& folder,
                                         std::string_view program,
                                         std::chrono::milliseconds patience);

}  // namespace tavrin
