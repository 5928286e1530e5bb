#include "reports/weekly_predictions.h"

#include <fmt/format.h>

#include "engine/prediction.h"
#include "engine/recorded_scores.h"
#include "presentation/report_messages.h"
#include "presentation/report_printing.h"
#include "presentation/report_text.h"
#include "season/data_files.h"
#include "season/text_convention.h"

namespace tavrin {

namespace {

// The rules' width; the over/under total starts after TotalColumn characters.
constexpr std::size_t PredictionsLineLength = 61;
constexpr std::size_t TotalColumn = 57;

const std::string DoubleRule(PredictionsLineLength, '=');

std::string GameLine(const SeasonStore& store, int game) {
  const int visitor = store.GameFirstTeam[game];
  const int home = store.GameSecondTeam[game];
  std::string line = PadRight(Pairing(store, visitor, home), PairingColumnWidth) +
                     DayAbbreviation(store, store.GameDay[game]) + "   " +
                     PredictionText(store, store.PickTeam[game], store.PickMargin[game]);
  const int total = OverUnderTotal(store, TeamSlot(visitor), TeamSlot(home));
  return PadRight(std::move(line), TotalColumn) + FormatNumber(static_cast<double>(total), "00");
}

}  // namespace

std::optional<std::vector<std::string>> ShowWeeklyPredictions(Session& session, int week) {
  session.ui.ShowBusyPointer();
  if (!ReadWeekPredictions(session, week)) return std::nullopt;
  return WeeklyPredictionLines(session.store, week);
}

bool ReadWeekPredictions(Session& session, int week) {
  SeasonStore& store = session.store;
  if (!ReadWeekToList(session, week)) return false;
  if (!LoadStatsBlock(store, session.folder, week - 1)) {
    if (!ShowWhenStatsBlockDamaged(session, week - 1)) ShowStatisticsUnavailable(session.ui, week);
    return false;
  }
  if (BlockLeftBehind(store, week - 1)) {
    ShowScoresToEnterAgain(session.ui, week - 1);
    return false;
  }
  return true;
}

std::vector<std::string> WeeklyPredictionLines(const SeasonStore& store, int week) {
  std::vector<std::string> lines{
      fmt::format("                 Predictions for Week # {}  {}", week,
                  YearText(store.WorkingYear)),
      DoubleRule,
      "   -- Teams --                 Day   Prediction          O/U",
      std::string(PredictionsLineLength, '_'),
  };
  const int games = LoadedGameCount(store);
  for (int game = 1; game <= games; ++game) lines.push_back(GameLine(store, game));
  lines.push_back(DoubleRule);
  return lines;
}

void PrintWeeklyPredictions(Session& session, const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  PrintIndentedReport(session, "Ready to send Predictions to the Printer.", 14, lines);
}

}  // namespace tavrin
