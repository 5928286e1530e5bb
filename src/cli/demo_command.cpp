// demo: writes the demo season into the data folder, which must not hold a season yet.

#include <fmt/format.h>

#include <ostream>

#include "cli/command_support.h"
#include "cli/data_command_parts.h"
#include "demo/demo_folder.h"

namespace tavrin::cli {

namespace {

std::optional<demo::DemoOptions> ParseDemoOptions(const std::vector<std::string>& args) {
  demo::DemoOptions options;
  for (std::size_t at = 0; at < args.size(); at += 2) {
    const std::string& name = args[at];
    if (at + 1 >= args.size()) {
      UsageError(fmt::format("demo: {} needs a value", name));
      return std::nullopt;
    }
    const std::string& value = args[at + 1];
    std::optional<int> number;
    if (name == "--seed") {
      const auto seed = ParseWholeNumber<uint64_t>(value);
      if (!seed) {
        UsageError("demo: --seed takes a whole number from 0 to 18446744073709551615");
        return std::nullopt;
      }
      options.seed = *seed;
      continue;
    }
    if (name != "--year" && name != "--weeks-played") {
      UsageError(fmt::format("demo: unexpected \"{}\"", name));
      return std::nullopt;
    }
    number = ParseWholeNumber(value);
    if (!number) {
      UsageError(fmt::format("demo: {} takes a whole number", name));
      return std::nullopt;
    }
    (name == "--year" ? options.year : options.weeks_played) = *number;
  }
  if (auto usable = demo::CheckDemoOptions(options); !usable) {
    UsageError("demo: " + usable.failure());
    return std::nullopt;
  }
  return options;
}

int RunDemo(Session& session, const std::vector<std::string>& args, std::istream&,
            std::ostream& out) {
  const auto options = ParseDemoOptions(args);
  if (!options) return ExitUsage;
  if (demo::WriteDemoSeason(session.folder, *options, session.ui) != CommandResult::Done)
    return ExitRefused;
  out << fmt::format("Demo season {} written in {}: {} played through, {} weeks of {} scored.\n",
                     options->year, session.folder.string(), options->year - 1,
                     options->weeks_played, options->year);
  return ExitDone;
}

}  // namespace

CliCommand DemoCommand() {
  return {"demo",
          "[--year Y] [--seed S] [--weeks-played N]   make the demo season in a folder without one",
          RunDemo, Access::MakesSeason};
}

}  // namespace tavrin::cli
