#pragma once
// tavrin-cli run as a separate program, as a script runs it.

#include <fmt/format.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace tavrin::testing {

struct ToolRun {
  int status = -1;
  std::string output;
};

// Runs the tool on `folder`, its standard input from the file `input`, its standard error into
// `output` when `errors` is "2>&1"; a tool that hangs is stopped after ten seconds and fails.
inline ToolRun RunTool(const std::filesystem::path& folder, const std::string& arguments,
                       const std::string& input = "/dev/null", const char* errors = "2>&1") {
  const std::string command = fmt::format("timeout 10 {} -C '{}' {} <'{}' {}", TAVRIN_CLI_PATH,
                                          folder.string(), arguments, input, errors);
  ToolRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  for (std::size_t read; (read = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    run.output.append(buffer, read);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

}  // namespace tavrin::testing
