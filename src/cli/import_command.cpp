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
  ImportChoice choice;
  std::vector<std::string> files;
  for (const auto& arg : args) {
    if (arg == "--schedules-only") {
      choice.schedules_only = true;
    } else if (arg == "--replace") {
      choice.replace_confirmed = true;
    } else {
      files.push_back(arg);
    }
  }
  if (files.size() != 1)
    return UsageError("import needs [--schedules-only] [--replace] SEASON.csv");
  if (const int replaced = ScoredWeeksReplaced(session.store, choice);
      replaced > 0 && !choice.replace_confirmed) {
    std::cerr << fmt::format(
        "tavrin-cli: import: this replaces the {} scored weeks of {}; give --replace to replace "
        "them\n",
        replaced, session.store.WorkingYear);
    return ExitRefused;
  }
  const auto text = ReadInputText(files[0], in);
  if (!text) return UsageError(fmt::format("import: {}", text.failure()));
  const std::string name = files[0] == "-" ? "stdin" : files[0];
  return ImportSeason(session, name, *text, choice) ? ExitDone : ExitRefused;
}

int RunExport(Session& session, const std::vector<std::string>& args, std::istream&,
              std::ostream& out) {
  if (args.size() > 1) return UsageError("export needs [FILE]");
  if (args.empty() || args[0] == "-") {
    const auto text = SeasonCsvText(session);
    if (!text) {
      std::cerr << "tavrin-cli: the season was not exported: " << text.failure() << '\n';
      return ExitRefused;
    }
    out << *text;
    return ExitDone;
  }
  return ExportSeason(session, args[0]) ? ExitDone : ExitRefused;
}

}  // namespace

CliCommand ImportCommand() {
  return {"import",
          "[--schedules-only] [--replace] SEASON.csv   check the whole file, then save every "
          "week's schedule and score every scored week, all at once or not at all (--replace: "
          "over a season that already holds scored weeks)",
          RunImport, Access::Writes};
}

CliCommand ExportCommand() {
  return {"export", "[FILE]   the season as the CSV import reads, with each game's prediction",
          RunExport, Access::Reads};
}

}  // namespace tavrin::cli
