#include "cli/cli_command.h"

namespace tavrin::cli {

// The report commands arrive with the reports subsystem.
std::vector<CliCommand> ReportCommands() { return {}; }

}  // namespace tavrin::cli
