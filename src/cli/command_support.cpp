#include "cli/command_support.h"

#include <fstream>
#include <iostream>

#include "cli/cli_command.h"
#include "entry/score_entry.h"
#include "season/file_io.h"

namespace tavrin::cli {

int UsageError(const std::string& problem) {
  std::cerr << "tavrin-cli: " << problem << '\n';
  return ExitUsage;
}

namespace {

std::vector<std::string> ReadLines(std::istream& in) {
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace

std::optional<std::vector<std::string>> ReadInputLines(const std::string& file_arg,
                                                       std::istream& in) {
  if (file_arg.empty() || file_arg == "-") return ReadLines(in);
  std::ifstream file(file_arg, std::ios::binary);
  if (!file) return std::nullopt;
  auto lines = ReadLines(file);
  if (file.bad()) return std::nullopt;
  return lines;
}

std::optional<std::string> ReadInputText(const std::string& file_arg, std::istream& in) {
  if (!file_arg.empty() && file_arg != "-") return ReadWholeFile(file_arg);
  std::string text;
  char buffer[4096];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    text.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (text.size() > MaxDataFileSize) return std::nullopt;
  }
  if (in.bad()) return std::nullopt;
  return text;
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
  if (!OpenScoreEntry(session, week)) return ExitRefused;
  const int games = session.store.WeekGameCount;
  if (scores.size() > static_cast<std::size_t>(games)) {
    std::cerr << "tavrin-cli: week " << week << " has " << games << " games but " << scores.size()
              << " scores were given\n";
    return ExitRefused;
  }
  return ProcessWeekResults(session, week, scores) == CommandResult::Done ? ExitDone : ExitRefused;
}

}  // namespace tavrin::cli
