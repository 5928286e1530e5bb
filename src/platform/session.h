#pragma once
// What every command works with: the season store, the person at the screen, and the folder
// that holds the data files (the program's current directory).

#include <filesystem>

#include "platform/user_interface.h"
#include "season/season_store.h"

namespace tavrin {

struct Session {
  SeasonStore& store;
  UserInterface& ui;
  std::filesystem::path folder;
};

}  // namespace tavrin
