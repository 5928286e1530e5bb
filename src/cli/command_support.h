#pragma once
// What the data commands share: strict argument reading, input files, and the two week steps
// (saving a schedule week, entering a week's scores) that both the single-week commands and
// the season import go through.

#include <cstdint>
#include <iosfwd>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/results_processing.h"
#include "entry/schedule_save.h"
#include "platform/session.h"
#include "season/outcome.h"
#include "season/text_convention.h"

namespace tavrin::cli {

// A whole number of the given type as every box reads one (ReadWholeDigits): digits with
// blanks around them, nothing else.
template <typename Number = int>
std::optional<Number> ParseWholeNumber(std::string_view text) {
  const auto value = ReadWholeDigits(text);
  if (!value || *value > static_cast<std::uint64_t>(std::numeric_limits<Number>::max())) {
    return std::nullopt;
  }
  return static_cast<Number>(*value);
}

// Writes "tavrin-cli: " + problem to standard error and returns the usage exit status.
int UsageError(const std::string& problem);

// The whole text of the file named by `file_arg` (standard input when it is empty or "-"); a
// failure naming the file when it cannot be read, is not a regular file (a device, a FIFO) or
// is larger than MaxInputFileSize.
Outcome<std::string> ReadInputText(const std::string& file_arg, std::istream& in);

// The same text as lines, without their line ends.
Outcome<std::vector<std::string>> ReadInputLines(const std::string& file_arg, std::istream& in);

// The words of a line, split at blanks and tabs.
std::vector<std::string> SplitWords(std::string_view line);

// Schedule entry's Save for the week: exit status 0 when the record was written.
int SaveWeekSchedule(Session& session, int week, const std::vector<ScheduledGame>& games);

// Score entry for the week (the command's checks, then results processing with the texts as the
// score boxes): exit status 0 when the week was processed and saved.
int EnterWeekScores(Session& session, int week, const std::vector<ScoreTexts>& scores);

}  // namespace tavrin::cli
