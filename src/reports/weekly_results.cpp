#include "reports/weekly_results.h"

#include <fmt/format.h>

#include "engine/recorded_scores.h"
#include "presentation/report_messages.h"
#include "presentation/report_printing.h"
#include "presentation/report_text.h"
#include "season/data_files.h"
#include "season/text_convention.h"

namespace tavrin {

namespace {

// A game line's result starts after ResultColumn characters, its score after ScoreColumn.
constexpr std::size_t ResultColumn = 57;
constexpr std::size_t ScoreColumn = 71;

const std::string DoubleRule(ResultsLineLength, '=');

std::string ScoreText(int16_t first, float second) {
  const std::string a = RightAlignedCount(first, 2);
  const std::string b = RightAlignedCount(second, 2);
  return first > second ? "  " + a + " - " + b + " " : "  " + b + " - " + a + " ";
}

}  // namespace

void ClearGameOneAndTwoScores(SeasonStore& store) {
  for (int slot = 1; slot <= 2; ++slot) {
    store.FirstScore[slot] = 0;
    store.SecondScore[slot] = 0;
  }
}

bool LoadBlockWithScores(Session& session, int block) {
  return LoadStatsBlock(session.store, session.folder, block) &&
         BlockHasRecordedScores(session.store);
}

std::optional<std::vector<std::string>> ShowWeeklyResults(Session& session, int week) {
  SeasonStore& store = session.store;
  session.ui.ShowBusyPointer();

  ClearGameOneAndTwoScores(store);
  if (!LoadBlockToShow(session, week - 1, week - 1)) return std::nullopt;
  SaveOpeningPredictions(store);

  if (!LoadBlockToShow(session, week, week)) return std::nullopt;

  if (!ReadWeekToList(session, week)) return std::nullopt;
  return WeeklyResultLines(store, week);
}

void SaveOpeningPredictions(SeasonStore& store) {
  for (int slot = 1; slot <= store.TeamCount && slot <= MaxTeamSlot; ++slot) {
    store.SavedPickTeam[slot] = store.PickTeam[slot];
    store.SavedPickMargin[slot] = store.PickMargin[slot];
  }
}

std::vector<std::string> WeeklyResultLines(const SeasonStore& store, int week) {
  std::vector<std::string> lines{
      fmt::format("                       Results for Week # {}  {}", week,
                  YearText(store.WorkingYear)),
      DoubleRule,
      "   -- Teams --                 Day   Prediction                Game Results",
      std::string(ResultsLineLength, '_'),
  };
  int picked = 0;
  int correct = 0;
  const int games = LoadedGameCount(store);
  for (int game = 1; game <= games; ++game) {
    const std::string pairing =
        Pairing(store, store.GameFirstTeam[game], store.GameSecondTeam[game]);
    lines.push_back(ResultGameLine(store, game, PadRight(pairing, PairingColumnWidth)));
    const int favourite = store.SavedPickTeam[game];
    if (favourite == 0) continue;
    ++picked;
    if (favourite == store.GameWinner[game]) ++correct;
  }
  lines.push_back(DoubleRule);
  lines.push_back(ResultsSummaryLine(correct, picked));
  return lines;
}

std::string ResultGameLine(const SeasonStore& store, int game, std::string lead) {
  std::string line = std::move(lead) + DayAbbreviation(store, store.GameDay[game]) + "   " +
                     PredictionText(store, store.SavedPickTeam[game], store.SavedPickMargin[game]);
  const int winner = store.GameWinner[game];
  line = PadRight(std::move(line), ResultColumn) +
         (winner != 0 ? NicknameOf(store, winner) + " _" + GeneralNumber(store.WinMargin[game])
                      : std::string("Tied"));
  return PadRight(std::move(line), ScoreColumn) +
         ScoreText(store.FirstScore[game], store.SecondScore[game]);
}

std::string ResultsSummaryLine(int correct, int picked) {
  const double percentage =
      picked == 0 ? 0.0 : static_cast<double>(correct) / static_cast<double>(picked) * 100.0;
  return fmt::format(" {} right out of {} for {}%", correct, picked,
                     FormatNumber(percentage, "00.0"));
}

void PrintResults(Session& session, const std::vector<std::string>& lines, ResultsFontOrder order) {
  if (lines.empty()) return;
  Printer* printer = StartReportPrint(session, "Ready to send Results to the Printer.");
  if (printer == nullptr) return;
  const SeasonStore& store = session.store;
  if (order == ResultsFontOrder::SizeThenName) {
    printer->SetFontSize(12);
    SetReportFontName(*printer, store);
  } else {
    SetReportFont(*printer, store, 12);
  }
  for (int blank = 0; blank < 4; ++blank) printer->PrintLine(" ");
  printer->PrintLine(lines.front() + "   ");
  printer->SetFontSize(10);
  if (order == ResultsFontOrder::SizeThenName) SetReportFontName(*printer, store);
  for (std::size_t index = 1; index < lines.size(); ++index) {
    printer->PrintLine(lines[index] + "     ");
    printer->PrintLine(" ");
  }
  printer->EndDocument();
}

}  // namespace tavrin
