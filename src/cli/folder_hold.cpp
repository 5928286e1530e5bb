#include "cli/folder_hold.h"

#include <chrono>

namespace tavrin::cli {

namespace {

// Long enough for any other tool command on the same folder to finish.
constexpr std::chrono::milliseconds Patience{10000};

bool Changes(Access access, const std::vector<std::string>& args) {
  return access == Access::Writes || access == Access::MakesSeason ||
         access == Access::ChangesOrMakesSeason ||
         (access == Access::WritesWithOptions && !args.empty());
}

}  // namespace

Outcome<std::optional<SeasonLock>> HoldFolder(const std::filesystem::path& folder, Access access,
                                              const std::vector<std::string>& args) {
  if (access == Access::MakesSeason || access == Access::ChangesOrMakesSeason) {
    std::error_code ignored;  // a folder that cannot be made fails to lock, with the reason
    std::filesystem::create_directories(folder, ignored);
  }
  // The window keeps its folder for as long as it is open: waiting for it would be in vain.
  const bool window_holds = SeasonLockHolder(folder) == WindowProgramName;
  const auto patience = window_holds ? std::chrono::milliseconds(0) : Patience;
  auto lock = OpenSeasonForChanges(folder, ToolProgramName, patience);
  if (Changes(access, args)) {
    if (!lock) return Failure{lock.failure() + ". Nothing has been changed"};
    return std::optional<SeasonLock>(std::move(*lock));
  }
  if (!lock) return std::optional<SeasonLock>();
  return std::optional<SeasonLock>(std::move(*lock));
}

}  // namespace tavrin::cli
