#include "cli/cli_command.h"
#include "cli/data_command_parts.h"

namespace tavrin::cli {

std::vector<CliCommand> DataCommands() {
  return {SetScheduleCommand(), EnterScoresCommand(), NewSeasonCommand(), SettingsCommand(),
          ImportCommand(),      ExportCommand(),      DemoCommand()};
}

}  // namespace tavrin::cli
