// tavrin-cli: the program's commands without its windows, over the data files of one folder.
//   tavrin-cli [-C DIR] COMMAND [ARGS...]

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "cli/console_ui.h"
#include "cli/folder_hold.h"
#include "cli/session_start.h"
#include "season/season_change.h"
#include "season/season_store.h"

namespace {

using tavrin::cli::CliCommand;

std::vector<CliCommand> AllCommands() {
  auto commands = tavrin::cli::DataCommands();
  for (auto& command : tavrin::cli::ReportCommands()) commands.push_back(std::move(command));
  return commands;
}

void PrintHelp(const std::vector<CliCommand>& commands, std::ostream& out) {
  out << "usage: tavrin-cli [-C DIR] COMMAND [ARGS...]\n"
         "Runs one of Tavrin's commands on the data files of DIR (default: the current folder).\n"
         "FILE missing or \"-\" reads standard input. Exit status: 0 done, 1 refused (the\n"
         "message is on standard error), 2 bad usage.\n"
         "A command that changes the season waits a moment for another program working on the\n"
         "same folder, then refuses; one that only reads goes on beside it.\n\n"
         "commands:\n"
         "  help\n";
  for (const auto& command : commands) out << "  " << command.name << ' ' << command.usage << '\n';
}

int RunCommand(const CliCommand& command, const std::filesystem::path& folder,
               const std::vector<std::string>& args) {
  const auto hold = tavrin::cli::HoldFolder(folder, command.access, args);
  if (!hold) {
    std::cerr << "tavrin-cli: " << hold.failure() << ".\n";
    return tavrin::cli::ExitRefused;
  }
  tavrin::SeasonStore store;
  tavrin::cli::ConsoleUi ui(std::cerr, std::cout);
  tavrin::Session session{store, ui, folder};
  const bool makes_season = command.access == tavrin::cli::Access::MakesSeason ||
                            (command.access == tavrin::cli::Access::ChangesOrMakesSeason &&
                             !tavrin::cli::HoldsSeason(folder));
  if (!makes_season) {
    tavrin::cli::StartSession(session);
    if (const auto failure = tavrin::FirstReadFailure()) {
      std::cerr << "tavrin-cli: " << failure->text << ". Nothing has been changed.\n";
      return tavrin::cli::ExitRefused;
    }
  }
  const int status = command.run(session, args, std::cin, std::cout);
  // Whatever the command made of a file it could not read is not to be trusted: its writes were
  // refused already, and its output must not pass for done. The user learns the file and why.
  if (const auto failure = tavrin::FirstReadFailure()) {
    std::cerr << "tavrin-cli: " << failure->text << ".\n";
    return status == tavrin::cli::ExitDone ? tavrin::cli::ExitRefused : status;
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> words(argv + 1, argv + argc);
  std::string folder = ".";
  if (words.size() >= 2 && words[0] == "-C") {
    folder = words[1];
    words.erase(words.begin(), words.begin() + 2);
  }
  const auto commands = AllCommands();
  if (words.empty() || words[0] == "help" || words[0] == "--help") {
    PrintHelp(commands, words.empty() ? std::cerr : std::cout);
    return words.empty() ? tavrin::cli::ExitUsage : tavrin::cli::ExitDone;
  }
  for (const auto& command : commands) {
    if (command.name == words[0]) {
      return RunCommand(command, folder, std::vector<std::string>(words.begin() + 1, words.end()));
    }
  }
  std::cerr << "tavrin-cli: unknown command \"" << words[0] << "\" (see tavrin-cli help)\n";
  return tavrin::cli::ExitUsage;
}
