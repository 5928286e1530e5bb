#include "reports/scorecard_report.h"

#include <fmt/format.h>

#include <algorithm>

#include "engine/prediction.h"
#include "engine/recorded_scores.h"
#include "platform/messages.h"
#include "presentation/report_messages.h"
#include "presentation/report_text.h"
#include "reports/weekly_results.h"
#include "season/text_convention.h"

namespace tavrin {

namespace {

constexpr int ScorecardWidth = 74;

std::string TableRow(const std::string& label, const std::string& games, const std::string& picked,
                     const std::string& right, const std::string& percentage,
                     const std::string& margin, const std::string& total,
                     const std::string& brier) {
  return fmt::format(" {:<11}{:>6}{:>8}{:>7}{:>8}{:>13}{:>10}{:>10}", label, games, picked, right,
                     percentage, margin, total, brier);
}

std::string FiguresRow(const std::string& label, const ForecastFigures& figures) {
  return TableRow(label, std::to_string(figures.games), std::to_string(figures.picked),
                  std::to_string(figures.right), FormatNumber(figures.PickPercentage(), "#0.0"),
                  FormatNumber(figures.MeanMarginError(), "#0.000"),
                  FormatNumber(figures.MeanTotalError(), "#0.000"),
                  FormatNumber(figures.BrierScore(), "0.0000"));
}

void AddTable(std::vector<std::string>& lines, const std::string& forecaster,
              const Scorecard& scorecard, ForecastFigures ScorecardWeek::*figures,
              const ForecastFigures& season) {
  lines.push_back(
      TableRow(forecaster, "Games", "Picked", "Right", "Pct.", "Margin Err.", "O/U Err.", "Brier"));
  lines.push_back(std::string(ScorecardWidth, '_'));
  for (const ScorecardWeek& week : scorecard.weeks) {
    lines.push_back(FiguresRow(fmt::format("Week # {}", week.week), week.*figures));
  }
  lines.push_back(std::string(ScorecardWidth, '_'));
  lines.push_back(FiguresRow("Season", season));
}

// Loads block b (the state after week b); false, after the message naming week b, when it holds
// no predictions or no scores.
bool LoadScoredBlock(Session& session, int block) {
  ClearGameOneAndTwoScores(session.store);
  if (LoadBlockWithScores(session, block)) return true;
  ShowScoresNotCurrent(session.ui, block);
  return false;
}

}  // namespace

std::optional<std::vector<PlayedGame>> ReadPlayedGames(Session& session, int through_week) {
  SeasonStore& store = session.store;
  std::vector<PlayedGame> games;
  for (int week = 1; week <= through_week; ++week) {
    if (!ReadWeekToList(session, week)) return std::nullopt;
    // Block week - 1 holds this week's predictions; after week 1 it is still loaded, as the
    // block that gave the week before its scores.
    if (week == 1 && !LoadScoredBlock(session, 0)) return std::nullopt;
    const std::size_t first = games.size();
    const int count = LoadedGameCount(store);
    for (int game = 1; game <= count; ++game) {
      const int visitor = store.GameFirstTeam[game];
      const int home = store.GameSecondTeam[game];
      games.push_back({week, visitor, home, store.PickTeam[game], store.PickMargin[game],
                       OverUnderTotal(store, TeamSlot(visitor), TeamSlot(home))});
    }
    if (!LoadScoredBlock(session, week)) return std::nullopt;
    for (int game = 1; game <= count; ++game) {
      games[first + game - 1].visitor_score = store.FirstScore[game];
      games[first + game - 1].home_score = store.SecondScore[game];
    }
  }
  return games;
}

std::optional<Scorecard> ShowSeasonScorecard(Session& session, int through_week) {
  SeasonStore& store = session.store;
  session.ui.ShowBusyPointer();
  if (through_week == 0) through_week = std::min(store.LastScoredWeek, store.WeeksInSeason);
  if (through_week < 1) {
    ShowScoresNotCurrent(session.ui, 1);
    return std::nullopt;
  }
  const auto games = ReadPlayedGames(session, through_week);
  if (!games) return std::nullopt;
  auto lines = ReadMarketLines(session.folder, store.WorkingYear);
  if (!lines) {
    session.ui.ShowMessage(fmt::format("The betting lines in {} cannot be read.\n\rThe scorecard "
                                       "leaves the market out.",
                                       MarketLinesFileName(store.WorkingYear)),
                           ProgramCaption, MessageIcon::Exclamation);
  }
  return BuildScorecard(*games, lines.value_or({}), through_week);
}

std::vector<std::string> ScorecardLines(const SeasonStore& store, const Scorecard& scorecard) {
  std::vector<std::string> lines{
      fmt::format("                   Season Scorecard thru Week # {}  {}", scorecard.weeks.size(),
                  YearText(store.WorkingYear)),
      std::string(ScorecardWidth, '='),
  };
  AddTable(lines, "Tavrin", scorecard, &ScorecardWeek::tavrin, scorecard.tavrin);
  if (scorecard.market_known) {
    lines.emplace_back(" ");
    AddTable(lines, "Market", scorecard, &ScorecardWeek::market, scorecard.market);
    lines.emplace_back(" ");
    lines.push_back(
        " Tavrin against the spread:" +
        ResultsSummaryLine(scorecard.against_spread.won, scorecard.against_spread.games));
    lines.push_back(" Tavrin on the totals:     " +
                    ResultsSummaryLine(scorecard.on_totals.won, scorecard.on_totals.games));
  }
  lines.push_back(std::string(ScorecardWidth, '='));
  return lines;
}

}  // namespace tavrin
