#include "entry/season_export.h"

#include <fmt/format.h>

#include <optional>
#include <vector>

#include "engine/prediction.h"
#include "engine/results_processing.h"
#include "platform/messages.h"
#include "season/data_files.h"
#include "season/file_io.h"
#include "season/market_lines.h"
#include "season/season_change.h"
#include "season/text_convention.h"

namespace tavrin {

namespace {

struct ExportedPrediction {
  int16_t favourite = 0;
  float margin = 0;
  int over_under = 0;
};

std::string Figure(const std::optional<double>& figure) {
  return figure ? GeneralNumber(*figure) : std::string();
}

const MarketLine* FindLine(const std::vector<MarketLine>& lines, int week, int visitor, int home) {
  for (const MarketLine& line : lines) {
    if (line.week == week && line.visitor == visitor && line.home == home) return &line;
  }
  return nullptr;
}

// A block the export needs; a missing file or a block beyond its end reads as zeros, as every
// view reads it, but a damaged one stops the export.
bool LoadWholeBlock(Session& session, int block) {
  return LoadStatsBlockNumber(session.store, session.folder, block) ||
         !StatsBlockDamaged(session.store, session.folder, block);
}

std::string DamagedWeekText(const std::string& file_name, int week) {
  return fmt::format("{} is damaged at week {}", file_name, week);
}

}  // namespace

Outcome<std::string> SeasonCsvText(Session& session) {
  SeasonStore& store = session.store;
  // A damaged market lines file is left out rather than stopping the export.
  const std::vector<MarketLine> lines =
      ReadMarketLines(session.folder, store.WorkingYear).value_or({});
  std::string text =
      "season,week,slot,day,visitor,home,visitor_score,home_score,favourite,margin,over_under";
  text += lines.empty() ? "\n" : ",spread_line,total_line\n";

  for (int week = 1; week <= store.WeeksInSeason; ++week) {
    if (!ReadScheduleWeek(store, session.folder, week)) {
      if (!ScheduleWeekDamaged(store, session.folder, week)) continue;  // not scheduled yet
      return Failure{DamagedWeekText(ScheduleFileName(store.WorkingYear), week)};
    }
    const int games = store.WeekGameCount;

    // Block week - 1 holds the week's predictions, block week its results.
    std::vector<std::optional<ExportedPrediction>> predictions(games + 1);
    if (week - 1 <= store.LastScoredWeek) {
      if (!LoadWholeBlock(session, week - 1)) {
        return Failure{DamagedWeekText(StatisticsFileName(store.WorkingYear), week - 1)};
      }
      for (int game = 1; game <= games; ++game) {
        predictions[game] = ExportedPrediction{
            store.PickTeam[game], store.PickMargin[game],
            OverUnderTotal(store, store.GameFirstTeam[game], store.GameSecondTeam[game])};
      }
    }
    const bool scored = week <= store.LastScoredWeek;
    if (scored && !LoadWholeBlock(session, week)) {
      return Failure{DamagedWeekText(StatisticsFileName(store.WorkingYear), week)};
    }

    for (int game = 1; game <= games; ++game) {
      const int visitor = store.GameFirstTeam[game];
      const int home = store.GameSecondTeam[game];
      text += fmt::format("{},{},{},{},{},{},", store.WorkingYear, week, game, store.GameDay[game],
                          visitor, home);
      text += scored ? fmt::format("{},{},", store.FirstScore[game],
                                   GeneralNumber(store.SecondScore[game]))
                     : std::string(",,");
      if (const auto& prediction = predictions[game]) {
        text += fmt::format("{},{},{}", prediction->favourite, GeneralNumber(prediction->margin),
                            prediction->over_under);
      } else {
        text += ",,";
      }
      if (!lines.empty()) {
        const MarketLine* line = FindLine(lines, week, visitor, home);
        text += line ? fmt::format(",{},{}", Figure(line->spread), Figure(line->total)) : ",,";
      }
      text += '\n';
    }
  }
  if (auto failure = FirstReadFailure()) return *failure;
  return text;
}

bool ExportSeason(Session& session, const std::filesystem::path& file) {
  session.ui.ShowBusyPointer();
  const auto text = SeasonCsvText(session);
  if (!text) {
    session.ui.ShowMessage(fmt::format("The season was not exported:\n\r{}.", text.failure()),
                           ProgramCaption, MessageIcon::Exclamation);
    return false;
  }
  if (auto written = ReplaceFileAtomically(file, *text); !written) {
    ShowSaveFailure(session.ui, written.failure() + ".");
    return false;
  }
  session.ui.ShowMessage(
      fmt::format("Season {} exported to {}.", session.store.WorkingYear, file.filename().string()),
      ProgramCaption, MessageIcon::None);
  return true;
}

}  // namespace tavrin
