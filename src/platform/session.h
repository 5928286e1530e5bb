#pragma once
// What every command works with: the season store, the person at the screen, and the folder
// that holds the data files (the program's current directory).

#include <filesystem>

#include "platform/command_result.h"
#include "platform/user_interface.h"

namespace tavrin {

// Held by reference only, so the platform layer does not depend on the season's layout; a
// command that reads the store includes season/season_store.h itself.
struct SeasonStore;

struct Session {
  SeasonStore& store;
  UserInterface& ui;
  std::filesystem::path folder;
};

}  // namespace tavrin
