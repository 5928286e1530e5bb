#include "entry/season_import.h"

#include <fmt/format.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "engine/prediction.h"
#include "engine/recorded_scores.h"
#include "engine/results_processing.h"
#include "engine/season_saving.h"
#include "entry/schedule_save.h"
#include "entry/score_entry.h"
#include "platform/messages.h"
#include "season/data_files.h"
#include "season/market_lines.h"
#include "season/season_change.h"
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
    if (!schedules_only) ForgetScoredWeeks();
    for (const auto& [week, games] : csv_.weeks) SaveSchedule(week, games);
    // A full import plays the season again from week 1; a schedules-only one goes on from the
    // week after the last scored.
    PredictWeekAnew(schedules_only ? store_.LastScoredWeek + 1 : 1);
    if (schedules_only) return true;
    for (const auto& [week, games] : csv_.weeks) {
      if (IsScored(games.front()) && !Score(week, games, problems)) return false;
    }
    return true;
  }

  // Every file the import changes, staged in the change open on the season's folder.
  std::vector<Outcome<void>> Write() const {
    const std::filesystem::path& folder = session_.folder;
    std::vector<Outcome<void>> writes;
    if (!csv_.weeks.empty()) {
      writes.push_back(WriteSeasonFile(folder / ScheduleFileName(store_.WorkingYear), schedule_));
    }
    if (csv_.has_market_lines) {
      writes.push_back(
          WriteSeasonFile(folder / MarketLinesFileName(store_.WorkingYear), MarketText()));
    }
    if (statistics_changed_) {
      writes.push_back(
          WriteSeasonFile(folder / StatisticsFileName(store_.WorkingYear), statistics_));
    }
    if (scored_weeks_ > 0 || forgot_scored_weeks_) writes.push_back(WriteSettings(store_, folder));
    return writes;
  }

  const SeasonStore& store() const { return store_; }
  int scored_weeks() const { return scored_weeks_; }

 private:
  std::size_t BlockSize() const { return StatsBlockSizeOf(store_); }

  bool ReadExisting(const std::string& name, std::string& bytes,
                    std::vector<CsvProblem>& problems) {
    auto read = ReadSeasonFile(session_.folder / name);
    if (!read) {
      problems.push_back({0, read.failure()});
      return false;
    }
    bytes = std::move(*read).value_or(std::string());
    return true;
  }

  // A full import replaces the season whole: the weeks scored before it go, down to the start
  // of the season's block, so that nothing of them outlives the import (a fresh folder given the
  // same file ends the same).
  void ForgetScoredWeeks() {
    if (statistics_.size() > BlockSize()) {
      statistics_.resize(BlockSize());
      statistics_changed_ = true;
    }
    forgot_scored_weeks_ = store_.LastScoredWeek != 0;
    store_.LastScoredWeek = 0;
  }

  // The next week to play keeps no prediction made for a schedule the import replaced: its
  // games are predicted anew from the ratings before it, as results processing would have.
  void PredictWeekAnew(int week) {
    const std::uint64_t offset = static_cast<std::uint64_t>(week - 1) * BlockSize();
    if (week < 1 || !csv_.weeks.count(week) || statistics_.size() < offset + BlockSize()) return;
    if (!ReadStatsBlockBytes(store_, Slice(statistics_, offset, BlockSize()))) return;
    if (LoadSchedule(week)) PredictLoadedWeek(store_);
    RoundStatistics(store_);
    Patch(statistics_, offset, StatsBlockBytes(store_));
    statistics_changed_ = true;
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

  // False when the week cannot be used (see ReadScheduleRecord).
  bool LoadSchedule(int week) {
    return ReadScheduleRecord(store_,
                              Slice(schedule_, ScheduleRecordOffset(week), ScheduleRecordSize));
  }

  // Score entry and results processing of one week, on the files in memory.
  bool Score(int week, const std::vector<CsvGame>& games, std::vector<CsvProblem>& problems) {
    const int line = games.front().line;
    const bool whole = ReadStatsBlockBytes(
        store_,
        Slice(statistics_, static_cast<std::uint64_t>(week - 1) * BlockSize(), BlockSize()));
    if (!whole || !BlockHasPredictions(store_) || !BlockHasRecordedScores(store_)) {
      problems.push_back(
          {line, fmt::format("week {} cannot be scored: scores must be current thru week {}", week,
                             week - 1)});
      return false;
    }
    if (week < store_.WeeksInSeason) {
      if (!LoadSchedule(week + 1)) {
        problems.push_back({line, fmt::format("week {} cannot be scored without a schedule "
                                              "for week {}",
                                              week, week + 1)});
        return false;
      }
    }
    // The week's games are the CSV's own, just saved, so the record reads back whole.
    (void)LoadSchedule(week);
    std::vector<ScoreTexts> scores;
    for (const CsvGame& game : games) {
      scores.push_back({std::to_string(*game.visitor_score), std::to_string(*game.home_score)});
    }
    Session in_memory{store_, session_.ui, session_.folder};
    if (!ApplyWeekScores(in_memory, week, scores)) {
      problems.push_back({line, fmt::format("week {} cannot be scored", week)});
      return false;
    }
    if (LoadSchedule(week + 1)) PredictLoadedWeek(store_);
    RoundStatistics(store_);
    Patch(statistics_, static_cast<std::uint64_t>(week) * BlockSize(), StatsBlockBytes(store_));
    store_.LastScoredWeek = static_cast<int16_t>(week);
    ++scored_weeks_;
    statistics_changed_ = true;
    return true;
  }

  // The lines of the weeks the CSV holds replace those weeks' lines; others are kept, unless
  // the file is damaged, when the CSV's lines stand alone.
  std::string MarketText() const {
    std::vector<MarketLine> lines =
        ReadMarketLines(session_.folder, store_.WorkingYear).value_or({});
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
  bool statistics_changed_ = false;
  bool forgot_scored_weeks_ = false;
};

void ShowProblems(Session& session, std::string_view file_name, std::vector<CsvProblem> problems) {
  session.ui.ShowMessageList(
      fmt::format("{} was not imported; no file has been changed.", file_name),
      ProblemLines(std::move(problems), file_name), ProgramCaption);
}

}  // namespace

int ScoredWeeksReplaced(const SeasonStore& store, const ImportChoice& choice) {
  return choice.schedules_only ? 0 : std::max<int>(store.LastScoredWeek, 0);
}

bool ImportSeason(Session& session, std::string_view file_name, std::string_view text,
                  const ImportChoice& choice) {
  const int replaced = ScoredWeeksReplaced(session.store, choice);
  if (replaced > 0 && !choice.replace_confirmed &&
      !session.ui.AskYesNo(fmt::format("This replaces the {} scored weeks of {}. Replace them?",
                                       replaced, session.store.WorkingYear),
                           ProgramCaption, MessageIcon::Exclamation, DefaultButton::Second)) {
    return false;
  }
  const bool schedules_only = choice.schedules_only;
  session.ui.ShowBusyPointer();
  std::vector<CsvProblem> problems;
  const SeasonCsv csv = choice.reader ? choice.reader(text, problems)
                                      : ReadSeasonCsv(text, session.store.WeeksInSeason, problems,
                                                      SeasonTeamCount(session.store));
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
  SeasonChange change(session.folder);
  const std::vector<Outcome<void>> writes = season.Write();
  for (const Outcome<void>& write : writes) {
    if (!write) {
      ShowProblems(session, file_name, {{0, write.failure()}});
      return false;
    }
  }
  if (!SaveOrTell(session.ui, change, {})) return false;
  session.store = season.store();
  if (choice.tell_imported) {
    ShowSeasonImported(session.ui, csv.year, file_name, csv.weeks.size(), season.scored_weeks());
  }
  return true;
}

void ShowSeasonImported(UserInterface& ui, int year, std::string_view file_name,
                        std::size_t schedule_weeks, int scored_weeks) {
  ui.ShowMessage(fmt::format("Season {} imported from {}: {} weeks of schedules, {} weeks of "
                             "scores.",
                             year, file_name, schedule_weeks, scored_weeks),
                 ProgramCaption, MessageIcon::None);
}

}  // namespace tavrin
