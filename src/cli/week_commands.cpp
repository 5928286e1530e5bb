// set-schedule and enter-scores: one week typed as lines of text.

#include <fmt/format.h>

#include "cli/command_support.h"
#include "cli/data_command_parts.h"

namespace tavrin::cli {

namespace {

struct WeekInput {
  int week = 0;
  std::vector<std::string> lines;  // blank lines dropped
};

// WEEK [FILE]: the week number and the non-blank lines of the file (or standard input).
std::optional<WeekInput> ReadWeekInput(const std::string& command,
                                       const std::vector<std::string>& args, std::istream& in) {
  if (args.empty() || args.size() > 2) {
    UsageError(fmt::format("{} needs WEEK [FILE]", command));
    return std::nullopt;
  }
  const auto week = ParseWholeNumber(args[0]);
  if (!week) {
    UsageError(fmt::format("{}: the week must be a number, not \"{}\"", command, args[0]));
    return std::nullopt;
  }
  const auto lines = ReadInputLines(args.size() == 2 ? args[1] : "", in);
  if (!lines) {
    UsageError(fmt::format("{}: {}", command, lines.failure()));
    return std::nullopt;
  }
  WeekInput input{*week, {}};
  for (const auto& line : *lines) {
    if (!SplitWords(line).empty()) input.lines.push_back(line);
  }
  return input;
}

std::optional<ScheduledGame> ParseGameLine(const std::string& line) {
  const auto words = SplitWords(line);
  if (words.size() != 3) return std::nullopt;
  const auto first = ParseWholeNumber(words[0]);
  const auto second = ParseWholeNumber(words[1]);
  const auto day = ParseWholeNumber(words[2]);
  if (!first || !second || !day) return std::nullopt;
  // Anything beyond a team or day number is refused by the save's own check.
  const auto narrow = [](int value) {
    return static_cast<int16_t>(value < 0 || value > 99 ? 0 : value);
  };
  return ScheduledGame{narrow(*first), narrow(*second), narrow(*day)};
}

int RunSetSchedule(Session& session, const std::vector<std::string>& args, std::istream& in,
                   std::ostream&) {
  const auto input = ReadWeekInput("set-schedule", args, in);
  if (!input) return ExitUsage;
  std::vector<ScheduledGame> games;
  for (const auto& line : input->lines) {
    const auto game = ParseGameLine(line);
    if (!game)
      return UsageError(fmt::format("set-schedule: \"{}\" is not \"visitor home day\"", line));
    games.push_back(*game);
  }
  return SaveWeekSchedule(session, input->week, games);
}

int RunEnterScores(Session& session, const std::vector<std::string>& args, std::istream& in,
                   std::ostream&) {
  const auto input = ReadWeekInput("enter-scores", args, in);
  if (!input) return ExitUsage;
  std::vector<ScoreTexts> scores;
  for (const auto& line : input->lines) {
    const auto words = SplitWords(line);
    if (words.size() > 2)
      return UsageError(fmt::format("enter-scores: \"{}\" is not \"first second\"", line));
    scores.push_back({words[0], words.size() == 2 ? words[1] : std::string()});
  }
  return EnterWeekScores(session, input->week, scores);
}

}  // namespace

CliCommand SetScheduleCommand() {
  return {"set-schedule", "WEEK [FILE]   save a week's games, lines \"visitor home day\"",
          RunSetSchedule, Access::Writes};
}

CliCommand EnterScoresCommand() {
  return {"enter-scores", "WEEK [FILE]   enter a week's scores, lines \"first second\"",
          RunEnterScores, Access::Writes};
}

}  // namespace tavrin::cli
