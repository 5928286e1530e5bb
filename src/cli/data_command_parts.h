#pragma once
// The data commands, one factory each; DataCommands() lists them in help order.

#include "cli/cli_command.h"

namespace tavrin::cli {

CliCommand SetScheduleCommand();
CliCommand EnterScoresCommand();
CliCommand NewSeasonCommand();
CliCommand SettingsCommand();
CliCommand ImportCommand();
CliCommand ExportCommand();
CliCommand DemoCommand();

}  // namespace tavrin::cli
