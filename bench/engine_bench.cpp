// Results processing with its file work: one week, and a whole season imported through the
// tool's import command, in a folder below TAVRIN_BENCH_DIR (see bench_folder.h).

#include <benchmark/benchmark.h>
#include <fmt/format.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>

#include "bench_folder.h"
#include "cli/cli_command.h"
#include "cli/console_ui.h"
#include "engine/results_processing.h"
#include "entry/score_entry.h"
#include "season/data_files.h"

namespace {

namespace fs = std::filesystem;
using tavrin::SeasonStore;

constexpr int Weeks = 17;
constexpr int GamesPerWeek = 15;  // 30 of the 31 teams play, one has a bye

class ScratchFolder {
 public:
  ScratchFolder() : path_(tavrin::MakeBenchFolder()) {}
  ~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// A season of round-robin weeks with made-up scores, as the CSV the import command reads.
std::string SeasonCsv() {
  std::string csv = "season,week,slot,day,visitor,home,visitor_score,home_score\n";
  for (int week = 1; week <= Weeks; ++week) {
    for (int slot = 1; slot <= GamesPerWeek; ++slot) {
      const int visitor = (week + slot - 1) % 31 + 1;
      const int home = (week + 30 - slot) % 31 + 1;
      csv += fmt::format("1999,{},{},1,{},{},{},{}\n", week, slot, visitor, home,
                         (week * 7 + slot * 3) % 35, (week * 5 + slot * 11) % 31);
    }
  }
  return csv;
}

// Block 0 of a first season (every team 60.0 and 20.0 averages, a 20-20 tie in games 1 and 2,
// week 1 predicted) and the settings file, as a new season starts.
void WriteStartFiles(SeasonStore& store, const fs::path& folder) {
  store.TeamCount = tavrin::LeagueTeamCount;
  store.WorkingYear = 1999;
  store.Reactivity = 100;
  store.Weighting = 100;
  store.WeeksInSeason = Weeks;
  for (int team = 1; team <= tavrin::LeagueTeamCount; ++team) {
    store.Cqr[team] = 60;
    store.AveOffense[team] = store.AveDefense[team] = 20;
  }
  store.FirstScore[1] = store.FirstScore[2] = 20;
  store.SecondScore[1] = store.SecondScore[2] = 20;
  for (int game = 1; game <= 5; ++game) store.PickTeam[game] = static_cast<int16_t>(game);
  if (!tavrin::WriteStatsBlock(store, folder, 0) || !tavrin::WriteSettings(store, folder)) {
    throw std::runtime_error("cannot write the start files");
  }
}

struct QuietSession {
  explicit QuietSession(const fs::path& folder) : session{store, ui, folder} {}
  std::ostringstream discarded;
  tavrin::cli::ConsoleUi ui{discarded, discarded};
  SeasonStore store;
  tavrin::Session session;
};

int RunCommand(QuietSession& quiet, const std::string& name, std::vector<std::string> args,
               const std::string& input) {
  std::istringstream in(input);
  for (const auto& command : tavrin::cli::DataCommands()) {
    if (command.name == name) return command.run(quiet.session, args, in, quiet.discarded);
  }
  return -1;
}

// Score entry for week 1 and its results processing, over and over: load block 0, read two
// schedule weeks, process 15 games, predict week 2, write block 1 and the settings file.
void BM_ProcessWeek(benchmark::State& state) {
  ScratchFolder folder;
  QuietSession quiet(folder.path());
  WriteStartFiles(quiet.store, folder.path());
  if (RunCommand(quiet, "import", {"--schedules-only", "-"}, SeasonCsv()) != 0) {
    state.SkipWithError("the schedules were not saved");
    return;
  }
  std::vector<tavrin::ScoreTexts> scores;
  for (int game = 1; game <= GamesPerWeek; ++game) {
    scores.push_back({std::to_string(game % 30), std::to_string((game * 7) % 30)});
  }
  for (auto _ : state) {
    if (!tavrin::OpenScoreEntry(quiet.session, 1) ||
        tavrin::ProcessWeekResults(quiet.session, 1, scores) != tavrin::CommandResult::Done) {
      state.SkipWithError("week 1 was not processed");
      return;
    }
  }
}
BENCHMARK(BM_ProcessWeek)->Unit(benchmark::kMicrosecond);

// A whole season through the import command: checked, computed in memory, files replaced.
void BM_ImportSeason(benchmark::State& state) {
  const std::string csv = SeasonCsv();
  std::optional<ScratchFolder> folder;
  std::optional<QuietSession> quiet;
  for (auto _ : state) {
    state.PauseTiming();
    quiet.reset();
    folder.reset();
    folder.emplace();
    quiet.emplace(folder->path());
    WriteStartFiles(quiet->store, folder->path());
    state.ResumeTiming();
    if (RunCommand(*quiet, "import", {"-"}, csv) != 0) {
      state.SkipWithError("the season was not imported");
      return;
    }
  }
}
BENCHMARK(BM_ImportSeason)->Unit(benchmark::kMillisecond);

}  // namespace
