#include "entry/season_import.h"

#include <fmt/format.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "engine/prediction.h"
#include "engine/recorded_scores.h"
#include "engine/results_processing.h"
#include "entry/schedule_save.h"
#include "entry/score_entry.h"
#include "platform/messages.h"
#include "season/data_files.h"
#include "season/file_io.h"
#include "season/market_lines.h"
#include "season/season_csv.h"

namespace tavrin {

namespace {

bool IsScored(const CsvGame& game) { return game.visitor_score.has_value(); }

// The whole-week rules the reader cannot judge row by row.
void CheckWeeks(const SeasonStore& store, const SeasonCsv& csv, std::vector<CsvProblem>& problems) {
  if (!csv.weeks.empty() && csv.year != store.WorkingYear) {
    problems.push_back(
        {csv.weeks.begin()->second.front().line,
         fmt::format("season {} is not the working year {}", csv.year, store.WorkingYear)});
  }
  for (const auto& [week, games] : csv.weeks) {
    if (games.size() < static_cast<std::size_t>(MinGamesToSave)) {
      problems.push_back(
          {games.front().line, fmt::format("week {} has {} games; a week needs at least {}", week,
                                           games.size(), MinGamesToSave)});
    }
    const auto unscored = std::find_if_not(games.begin(), games.end(), IsScored);
    if (unscored != games.end() && std::any_of(games.begin(), games.end(), IsScored)) {
      problems.push_back({unscored->line, fmt::format("week {} has scores for some games but "
                                                      "none for this one",
                                                      week)});
    }
  }
}

// A slice of a file's bytes; nothing past its end, as a file reader would give.
std::optional<std::string> Slice(const std::string& bytes, std::uint64_t offset,
                                 std::size_t length) {
  if (offset >= bytes.size()) return std::nullopt;
  return bytes.substr(static_cast<std::size_t>(offset), length);
}

void Patch(std::string& bytes, std::uint64_t offset, const std::string& patch) {
  const auto end = static_cast<std::size_t>(offset) + patch.size();
  if (bytes.size() < end) bytes.resize(end, '\0');
  bytes.replace(static_cast<std::size_t>(offset), patch.size(), patch);
}

// The season's files as the import leaves them, built in memory before any is replaced.
class SeasonInMemory {
 public:
  SeasonInMemory(Session& session, const SeasonCsv& csv)
      : session_(session), csv_(csv), store_(session.store) {}

  // False, with the problem added, when the import cannot go on.
  bool Build(bool schedules_only, std::vector<CsvProblem>& problems) {
    if (!ReadExisting(ScheduleFileName(store_.WorkingYear), schedule_, problems) ||
        !ReadExisting(StatisticsFileName(store_.WorkingYear), statistics_, problems)) {
      return false;
    }
    for (const auto& [week, games] : csv_.weeks) SaveSchedule(week, games);
    if (schedules_only) return true;
    for (const auto& [week, games] : csv_.weeks) {
      if (IsScored(games.front()) && !Score(week, games, problems)) return false;
    }
    return true;
  }

  // The files to replace, the settings file (which says how far the others go) last.
  std::optional<std::vector<FileReplacement>> Replacements() const {
    const std::filesystem::path& folder = session_.folder;
    std::vector<FileReplacement> files;
    if (!csv_.weeks.empty()) {
      files.push_back({folder / ScheduleFileName(store_.WorkingYear), schedule_});
    }
    if (csv_.has_market_lines) {
      files.push_back({folder / MarketLinesFileName(store_.WorkingYear), MarketText()});
    }
    if (scored_weeks_ > 0) {
      const std::optional<std::string> settings = SettingsText(store_);
      if (!settings) return std::nullopt;
      files.push_back({folder / StatisticsFileName(store_.WorkingYear), statistics_});
      files.push_back({folder / SettingsFileName, *settings});
    }
    return files;
  }

  const SeasonStore& store() const { return store_; }
  int scored_weeks() const { return scored_weeks_; }

 private:
  bool ReadExisting(const std::string& name, std::string& bytes,
                    std::vector<CsvProblem>& problems) {
    const std::filesystem::path file = session_.folder / name;
    std::error_code error;
    if (!std::filesystem::exists(file, error) && !error) return true;
    std::optional<std::string> read = ReadWholeFile(file);
    if (!read) {
      problems.push_back({0, fmt::format("the season's file {} cannot be read", name)});
      return false;
    }
    bytes = std::move(*read);
    return true;
  }

  void SaveSchedule(int week, const std::vector<CsvGame>& games) {
    store_.WeekGameCount = static_cast<int16_t>(games.size());
    for (std::size_t index = 0; index < games.size(); ++index) {
      store_.GameFirstTeam[index + 1] = static_cast<int16_t>(games[index].visitor);
      store_.GameSecondTeam[index + 1] = static_cast<int16_t>(games[index].home);
      store_.GameDay[index + 1] = static_cast<int16_t>(games[index].day);
    }
    // The reader bounds every field, so the record always fits.
    Patch(schedule_, ScheduleRecordOffset(week), *ScheduleRecordBytes(store_));
  }

  void LoadSchedule(int week) {
    ReadScheduleRecord(store_, Slice(schedule_, ScheduleRecordOffset(week), ScheduleRecordSize));
  }

  // Score entry and results processing of one week, on the files in memory.
  bool Score(int week, const std::vector<CsvGame>& games, std::vector<CsvProblem>& problems) {
    const int line = games.front().line;
    store_.SelectedWeek = static_cast<int16_t>(week);
    store_.StatsStatus.clear();
    const bool whole = ReadStatsBlockBytes(
        store_,
        Slice(statistics_, static_cast<std::uint64_t>(week - 1) * StatsBlockSize, StatsBlockSize));
    const bool any_pick = std::any_of(store_.PickTeam.begin() + 1, store_.PickTeam.begin() + 6,
                                      [](int16_t team) { return team != 0; });
    if (!whole || !any_pick) store_.StatsStatus = StatusError;
    if (!BlockHasRecordedScores(store_)) {
      problems.push_back(
          {line, fmt::format("week {} cannot be scored: scores must be current thru week {}", week,
                             week - 1)});
      return false;
    }
    if (week < store_.WeeksInSeason) {
      LoadSchedule(week + 1);
      if (store_.ScheduleStatus == StatusError) {
        problems.push_back({line, fmt::format("week {} cannot be scored without a schedule "
                                              "for week {}",
                                              week, week + 1)});
        return false;
      }
    }
    LoadSchedule(week);
    std::vector<ScoreTexts> scores;
    for (const CsvGame& game : games) {
      scores.push_back({std::to_string(*game.visitor_score), std::to_string(*game.home_score)});
    }
    Session in_memory{store_, session_.ui, session_.folder};
    if (!ApplyWeekScores(in_memory, week, scores)) {
      problems.push_back({line, fmt::format("week {} cannot be scored", week)});
      return false;
    }
    LoadSchedule(week + 1);
    PredictLoadedWeek(store_);
    RoundStatistics(store_);
    Patch(statistics_, static_cast<std::uint64_t>(week) * StatsBlockSize, StatsBlockBytes(store_));
    store_.LastScoredWeek = static_cast<int16_t>(week);
    ++scored_weeks_;
    return true;
  }

  // The lines of the weeks the CSV holds replace those weeks' lines; others are kept, unless
  // the file is damaged, when the CSV's lines stand alone.
  std::string MarketText() const {
    std::vector<MarketLine> lines =
        ReadMarketLines(session_.folder, store_.WorkingYear).value_or(std::vector<MarketLine>{});
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [&](const MarketLine& line) { return csv_.weeks.count(line.week); }),
                lines.end());
    for (const auto& [week, games] : csv_.weeks) {
      for (const CsvGame& game : games) {
        if (game.spread || game.total) {
          lines.push_back({week, game.visitor, game.home, game.spread, game.total});
        }
      }
    }
    std::stable_sort(lines.begin(), lines.end(),
                     [](const MarketLine& a, const MarketLine& b) { return a.week < b.week; });
    return MarketLinesText(lines);
  }

  Session& session_;
  const SeasonCsv& csv_;
  SeasonStore store_;
  std::string schedule_;
  std::string statistics_;
  int scored_weeks_ = 0;
};

void ShowProblems(Session& session, std::string_view file_name, std::vector<CsvProblem> problems) {
  session.ui.ShowMessageList(
      fmt::format("{} was not imported; no file has been changed.", file_name),
      ProblemLines(std::move(problems), file_name), ProgramCaption);
}

std::string FileNames(const std::vector<FileReplacement>& files) {
  std::string names;
  for (const FileReplacement& file : files) {
    names += (names.empty() ? "" : ", ") + file.file.filename().string();
  }
  return names;
}

}  // namespace

bool ImportSeason(Session& session, std::string_view file_name, std::string_view text,
                  bool schedules_only) {
  session.ui.ShowBusyPointer();
  std::vector<CsvProblem> problems;
  const SeasonCsv csv = ReadSeasonCsv(text, session.store.WeeksInSeason, problems);
  CheckWeeks(session.store, csv, problems);
  if (!problems.empty()) {
    ShowProblems(session, file_name, std::move(problems));
    return false;
  }
  SeasonInMemory season(session, csv);
  if (!season.Build(schedules_only, problems)) {
    ShowProblems(session, file_name, std::move(problems));
    return false;
  }
  const auto files = season.Replacements();
  if (!files) {
    ShowProblems(session, file_name,
                 {{0, "the report font cannot be written to the settings file"}});
    return false;
  }
  if (!ReplaceFilesTogether(*files)) {
    ShowSaveFailure(session.ui, FileNames(*files) + "\n\rNo file has been changed.");
    return false;
  }
  session.store = season.store();
  session.ui.ShowMessage(fmt::format("Season {} imported from {}: {} weeks of schedules, {} "
                                     "weeks of scores.",
                                     csv.year, file_name, csv.weeks.size(), season.scored_weeks()),
                         ProgramCaption, MessageIcon::None);
  return true;
}

}  // namespace tavrin
