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

enum class Access {
  Reads,
  Writes,
  WritesWithOptions,     // reads when given no option ("settings" alone lists them)
  MakesSeason,           // writes a season where there is none: no start-up reading of the files
  ChangesOrMakesSeason,  // Writes in a folder that holds a season, MakesSeason in one without
};

struct CliCommand {
  std::string name;   // the first word on the command line
  std::string usage;  // the rest of the synopsis, for the help text
  // args are the words after the name; reports go to out, messages to the session's ui.
  std::function<int(Session& session, const std::vector<std::string>& args, std::istream& in,
                    std::ostream& out)>
      run;
  // How the command uses the season folder. A command that changes it holds the folder's lock
  // from before its first read to its last write; one that reads it takes the lock when it is
  // free, and reads without it beside a window that keeps the folder open.
  Access access = Access::Reads;
};

std::vector<CliCommand>
DataCommands();  // schedules, scores, new season, settings, import, export, demo
std::vector<CliCommand> ReportCommands();  // every report's lines

}  // namespace tavrin::cli
