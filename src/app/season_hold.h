#pragma once
// The window's hold on its season folder, for as long as the window is open.

#include <chrono>
#include <filesystem>
#include <optional>

#include "platform/user_interface.h"
#include "season/season_lock.h"

namespace tavrin {

// The folder's lock, taken before anything in the folder is read (an interrupted change is
// finished or undone on the way). When another program holds the folder, or it cannot be locked
// at all, nothing: the folder is then marked read-only, so that no change can be saved over the
// other program's, and the user is told why.
std::optional<SeasonLock> HoldSeasonFolder(const std::filesystem::path& folder, UserInterface& ui,
                                           std::chrono::milliseconds patience);

}  // namespace tavrin
