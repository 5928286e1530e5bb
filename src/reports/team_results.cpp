#include "reports/team_results.h"

#include <fmt/format.h>

#include "engine/recorded_scores.h"
#include "presentation/report_text.h"
#include "presentation/team_choice.h"
#include "reports/weekly_results.h"
#include "season/data_files.h"
#include "season/text_convention.h"

namespace tavrin {

namespace {

constexpr std::size_t PairingWidth = 30;

// The team's record as the largest figures of any block loaded.
struct Record {
  int16_t wins = 0;
  int16_t losses = 0;
  int16_t ties = 0;

  void RaiseTo(const SeasonStore& store, int team) {
    if (store.Wins[team] > wins) wins = ToInt16(store.Wins[team]).value_or(wins);
    if (store.Losses[team] > losses) losses = store.Losses[team];
    if (store.Ties[team] > ties) ties = store.Ties[team];
  }
};

// The week number right-aligned in two columns and a space, then the pairing, cut to 30.
std::string GameLead(const SeasonStore& store, int week, int game) {
  std::string lead = fmt::format("{:>2} ", week) +
                     Pairing(store, store.GameFirstTeam[game], store.GameSecondTeam[game]);
  if (lead.size() > PairingWidth) lead.resize(PairingWidth);
  return PadRight(std::move(lead), PairingWidth + 1);
}

// The statistics block the store holds, so that the block closing one week also serves as the
// block opening the next instead of being read again.
struct HeldBlock {
  int block = -1;
  bool scored = false;
};

// Loads block b unless the store holds it already; true when it has predictions and scores.
bool HoldScoredBlock(Session& session, int block, HeldBlock& held) {
  if (held.block != block) {
    ClearGameOneAndTwoScores(session.store);
    held = {block, LoadBlockWithScores(session, block)};
  }
  return held.scored;
}

// Adds the team's games of week W when both blocks around it hold scores. False when the week
// must be entered again, so that its block's record does not count.
bool AddWeek(Session& session, int team, int week, HeldBlock& held,
             std::vector<std::string>& lines) {
  SeasonStore& store = session.store;
  if (!HoldScoredBlock(session, week - 1, held)) return true;
  SaveOpeningPredictions(store);
  const bool closed = HoldScoredBlock(session, week, held);
  if (!closed) return true;
  if (BlockLeftBehind(store, week)) {
    lines.push_back(fmt::format("{:>2} The scores of this week must be entered again.", week));
    return false;
  }

  if (!ReadScheduleWeek(store, session.folder, week)) return true;
  const int games = LoadedGameCount(store);
  for (int game = 1; game <= games; ++game) {
    if (store.GameFirstTeam[game] != team && store.GameSecondTeam[game] != team) continue;
    lines.push_back(ResultGameLine(store, game, GameLead(store, week, game)));
  }
  return true;
}

}  // namespace

std::optional<std::vector<std::string>> ShowTeamResults(Session& session,
                                                        const std::string& choice_text) {
  SeasonStore& store = session.store;
  const int team = FindTeamByName(store, choice_text);
  if (team == 0) return std::nullopt;
  session.ui.ShowBusyPointer();

  std::vector<std::string> lines{
      fmt::format("                        {} {} Results", store.TeamName[team],
                  YearText(store.WorkingYear)),
      std::string(ResultsLineLength, '='),
      "Wk    -- Games --              Day   Prediction                Game Results",
      std::string(ResultsLineLength, '_'),
  };
  Record record;
  HeldBlock held;
  bool left_out = false;
  for (int week = 1; week <= store.WeeksInSeason; ++week) {
    if (AddWeek(session, team, week, held, lines)) {
      record.RaiseTo(store, team);
    } else {
      left_out = true;
    }
  }

  lines.emplace_back(" ");
  if (left_out) lines.push_back(" The totals leave out the weeks to be entered again.");
  if (record.wins + record.losses + record.ties == 0) {
    lines.push_back(" No Scores have been recorded for " + YearText(store.WorkingYear));
    lines.emplace_back(" ");
  }
  lines.push_back(
      fmt::format(" {} Wins, {} Losses, {} Ties", record.wins, record.losses, record.ties));
  return lines;
}

}  // namespace tavrin
