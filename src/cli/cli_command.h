#pragma once
// The companion tool's commands. Each runs one of the program's command functions over the data
// files of the current folder and returns the tool's exit status.

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "platform/session.h"

namespace tavrin::cli {

inline constexpr int ExitDone = 0;
inline constexpr int ExitRefused = 1;  // the program would have shown a message and stopped
inline constexpr int ExitUsage = 2;

struct CliCommand {
  std::string name;   // the first word on the command line
  std::string usage;  // the rest of the synopsis, for the help text
  // args are the words after the name; reports go to out, messages to the session's ui.
  std::function<int(Session& session, const std::vector<std::string>& args, std::istream& in,
                    std::ostream& out)>
      run;
  // False for a command that makes a season instead of reading one: the tool then skips the
  // start-up reading of the settings and names files, and its message about their absence.
  bool reads_season = true;
};

std::vector<CliCommand>
DataCommands();  // schedules, scores, new season, settings, import, export, demo
std::vector<CliCommand> ReportCommands();  // every report's lines

}  // namespace tavrin::cli
