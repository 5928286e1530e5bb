#pragma once
// Play-off odds: the rest of the season played many times over from the ratings, the standings
// settled by the league's tie-break rules, and the play-offs played out.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "analysis/season_games.h"
#include "platform/session.h"
#include "season/league.h"
#include "season/season_store.h"

namespace tavrin {

struct OddsOptions {
  int runs = 10000;
  uint64_t seed = 1;
};

// In how many runs a team reached each stage; seeds[s - 1] counts the runs it was seeded s.
struct TeamOdds {
  int division = 0;
  int playoffs = 0;
  int rest = 0;  // a first-round rest: seed 1 or 2
  int final_game = 0;
  int title = 0;
  std::array<int, 6> seeds{};
};

struct WonLostTied {
  int won = 0;
  int lost = 0;
  int tied = 0;
};

struct PlayoffOdds {
  int runs = 0;
  int played_through = 0;  // the last week whose scores were taken as they are
  std::array<TeamOdds, LeagueTeamCount + 1> teams{};       // by team number
  std::array<WonLostTied, LeagueTeamCount + 1> records{};  // the played games' records
};

// Called now and then with the runs done so far, for a progress indication.
using OddsProgress = std::function<void(int runs_done, int runs)>;

// Plays the games not yet played `options.runs` times, each game won by the home side with the
// probability of its weekly prediction (from the store's Cqr and Weighting, held fixed; the
// championship on a neutral field), and counts each team's stages. The same seed gives the same
// odds. At least one run.
PlayoffOdds SimulatePlayoffOdds(const SeasonStore& store, const std::vector<SeasonGame>& games,
                                int played_through, const OddsOptions& options,
                                const OddsProgress& progress = {});

// The menu command: the odds after LastScoredWeek. Nothing after the scores-not-current message
// when that block holds no predictions or scores, or after the statistics message when a
// played week's block cannot be read.
std::optional<PlayoffOdds> ShowPlayoffOdds(Session& session, const OddsOptions& options,
                                           const OddsProgress& progress = {});

// A stage's share of the runs in percent.
double OddsPercent(int count, int runs);

// "W-L" or "W-L-T" when there are ties.
std::string RecordText(const WonLostTied& record);

// The report: a title, then per conference and division each team's record and odds, best
// play-off chance first.
std::vector<std::string> PlayoffOddsLines(const SeasonStore& store, const PlayoffOdds& odds);

// The print button: nothing for an empty report or on Cancel.
void PrintPlayoffOdds(Session& session, const std::vector<std::string>& lines);

}  // namespace tavrin
