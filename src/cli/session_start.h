#pragma once
// The part of the program's start-up the tool needs: the settings, the team count, the names
// and the day names, read from the data folder.

#include <filesystem>

#include "platform/session.h"

namespace tavrin::cli {

// False when the settings or names file could not be read (the user has been told; the values
// not read keep what they held, as in the program).
bool StartSession(Session& session);

// Whether the folder holds a season's settings or names.
bool HoldsSeason(const std::filesystem::path& folder);

}  // namespace tavrin::cli
