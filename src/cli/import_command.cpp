// import and export: a whole season from and to a CSV file.

#include <fmt/format.h>

#include <filesystem>
#include <iostream>

#include "cli/command_support.h"
#include "cli/data_command_parts.h"
#include "entry/season_export.h"
#include "entry/season_import.h"

namespace tavrin::cli {

namespace {

int RunImport(Session& session, const std::vector<std::string>& args, std::istream& in,
              std::ostream&) {
  bool schedules_only = false;
  std::vector<std::string> files;
  for (const auto& arg : args) {
    if (arg == "--schedules-only") {
      schedules_only = true;
    } else {
      files.push_back(arg);
    }
  }
  if (files.size() != 1) return UsageError("import needs [--schedules-only] SEASON.csv");
  const auto text = ReadInputText(files[0], in);
  if (!text) return UsageError(fmt::format("import: cannot read {}", files[0]));
  const std::string name = files[0] == "-" ? "stdin" : files[0];
  return ImportSeason(session, name, *text, schedules_only) ? ExitDone : ExitRefused;
}

int RunExport(Session& session, const std::vector<std::string>& args, std::istream&,
              std::ostream& out) {
  if (args.size() > 1) return UsageError("export needs [FILE]");
  if (args.empty() || args[0] == "-") {
    out << SeasonCsvText(session);
    return ExitDone;
  }
  return ExportSeason(session, args[0]) ? ExitDone : ExitRefused;
}

}  // namespace

CliCommand ImportCommand() {
  return {"import",
          "[--schedules-only] SEASON.csv   check the whole file, then save every week's "
          "schedule and score every scored week, all at once or not at all",
          RunImport};
}

CliCommand ExportCommand() {
  return {"export", "[FILE]   the season as the CSV import reads, with each game's prediction",
          RunExport};
}

}  // namespace tavrin::cli
