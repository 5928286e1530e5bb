#pragma once
// Putting the demo season into a folder that holds no season yet, all of it or none.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "demo/demo_season.h"
#include "platform/command_result.h"
#include "platform/user_interface.h"

namespace tavrin::demo {

// The settings file, the names file, and any season's schedule or statistics file.
bool IsDataFileName(std::string_view name);

// The data files in a folder, sorted by name; none when the folder does not exist.
std::vector<std::string> DataFilesIn(const std::filesystem::path& folder);

// The demo season into `folder` (made when missing). Messages go to ui. Refused: unusable
// options, or the folder already holds a season. NotSaved: a step failed, and nothing is left
// behind in the folder.
CommandResult WriteDemoSeason(const std::filesystem::path& folder, const DemoOptions& options,
                              UserInterface& ui);

}  // namespace tavrin::demo
