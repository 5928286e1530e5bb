#pragma once
// What the data commands share: strict argument reading, input files, and the two week steps
// (saving a schedule week, entering a week's scores) that both the single-week commands and
// the season import go through.

#include <charconv>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/results_processing.h"
#include "entry/schedule_save.h"
#include "platform/session.h"

namespace tavrin::cli {

// A whole number of the given type written in plain digits (a minus sign where the type has
// one), nothing else. Stricter on purpose than ReadTypedWholeNumber, which the windows use: a
// box takes the number its text starts with, while in a script "21abc" is a mistake to refuse.
template <typename Number = int>
std::optional<Number> ParseWholeNumber(std::string_view text) {
  Number value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

// Writes "tavrin-cli: " + problem to standard error and returns the usage exit status.
int UsageError(const std::string& problem);

// The lines of the file named by `file_arg` (standard input when it is empty or "-"), without
// line ends; nothing when the file cannot be read.
std::optional<std::vector<std::string>> ReadInputLines(const std::string& file_arg,
                                                       std::istream& in);

// The whole text of the file named by `file_arg` (standard input when it is empty or "-"),
// nothing when it cannot be read or is larger than a data file may be.
std::optional<std::string> ReadInputText(const std::string& file_arg, std::istream& in);

// The words of a line, split at blanks and tabs.
std::vector<std::string> SplitWords(std::string_view line);

// Schedule entry's Save for the week: exit status 0 when the record was written.
int SaveWeekSchedule(Session& session, int week, const std::vector<ScheduledGame>& games);

// Score entry for the week (the command's checks, then results processing with the texts as the
// score boxes): exit status 0 when the week was processed and saved.
int EnterWeekScores(Session& session, int week, const std::vector<ScoreTexts>& scores);

}  // namespace tavrin::cli
