#pragma once
// How a tool command holds the season folder while it works on it.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "season/outcome.h"
#include "season/season_lock.h"

namespace tavrin::cli {

// A command that changes the season takes the folder's lock, waiting a moment for another
// program, and finishes or undoes a change a crash interrupted; refused when the folder stays
// in use. A command that reads does the same when it can, and otherwise reads without the lock
// (nothing): beside the window, which keeps its folder for as long as it is open, at once.
Outcome<std::optional<SeasonLock>> HoldFolder(const std::filesystem::path& folder, Access access,
                                              const std::vector<std::string>& args);

}  // namespace tavrin::cli
