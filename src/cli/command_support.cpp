#include "cli/command_support.h"

#include <fmt/format.h>

#include <algorithm>
#include <iostream>

#include "cli/cli_command.h"
#include "entry/score_entry.h"
#include "season/file_io.h"
#include "season/season_change.h"

namespace tavrin::cli {

int UsageError(const std::string& problem) {
  std::cerr << "tavrin-cli: " << problem << '\n';
  return ExitUsage;
}

Outcome<std::string> ReadInputText(const std::string& file_arg, std::istream& in) {
  if (!file_arg.empty() && file_arg != "-") {
    auto read = ReadWholeFile(file_arg, MaxInputFileSize);
    if (!read) return Failure{read.failure()};
    if (!*read) return Failure{fmt::format("{} does not exist", file_arg)};
    return std::move(**read);
  }
  std::string text;
  char buffer[4096];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    text.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (text.size() > MaxInputFileSize) {
      return Failure{fmt::format("standard input holds more than {} bytes", MaxInputFileSize)};
    }
  }
  if (in.bad()) return Failure{"standard input could not be read"};
  return text;
}

Outcome<std::vector<std::string>> ReadInputLines(const std::string& file_arg, std::istream& in) {
  auto text = ReadInputText(file_arg, in);
  if (!text) return Failure{text.failure()};
  std::vector<std::string> lines;
  std::string_view rest = *text;
  while (!rest.empty()) {
    const std::size_t end = std::min(rest.find('\n'), rest.size());
    std::string_view line = rest.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    rest.remove_prefix(std::min(end + 1, rest.size()));
  }
  return lines;
}

std::vector<std::string> SplitWords(std::string_view line) {
  std::vector<std::string> words;
  std::size_t at = 0;
  while (at < line.size()) {
    const std::size_t start = line.find_first_not_of(" \t", at);
    if (start == std::string_view::npos) break;
    const std::size_t end = std::min(line.find_first_of(" \t", start), line.size());
    words.emplace_back(line.substr(start, end - start));
    at = end;
  }
  return words;
}

int SaveWeekSchedule(Session& session, int week, const std::vector<ScheduledGame>& games) {
  return SaveScheduleWeek(session, std::to_string(week), games) ? ExitDone : ExitRefused;
}

int EnterWeekScores(Session& session, int week, const std::vector<ScoreTexts>& scores) {
  // Opened before the first read, so that the command reads each file once.
  SeasonChange change(session.folder);
  if (!OpenScoreEntry(session, week)) return ExitRefused;
  const int games = session.store.WeekGameCount;
  if (scores.size() > static_cast<std::size_t>(games)) {
    std::cerr << "tavrin-cli: week " << week << " has " << games << " games but " << scores.size()
              << " scores were given\n";
    return ExitRefused;
  }
  if (EnterScores(session, week, scores) != CommandResult::Done) return ExitRefused;
  if (auto committed = change.Commit(); !committed) {
    std::cerr << "tavrin-cli: " << committed.failure() << "\n";
    return ExitRefused;
  }
  return ExitDone;
}

}  // namespace tavrin::cli
