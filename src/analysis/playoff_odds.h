#pragma once
// Play-off odds: the rest of the season played many times over from this season's scores, the
// standings settled by the league's tie-break rules, and the play-offs played out.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/playoff_proofs.h"
#include "analysis/season_games.h"
#include "league/season_league.h"
#include "platform/session.h"
#include "season/league.h"
#include "season/season_store.h"

namespace tavrin {

// A result the user picks for a game not yet played ("what if?"): the runs play it that way.
// Never saved into the season.
enum class PickedResult { VisitorWins, HomeWins, Tie };

struct PickedGame {
  int week = 0;
  int visitor = 0;
  int home = 0;
  PickedResult result = PickedResult::HomeWins;
};

// How the games left are played. Form, the odds' own: each game's margin from the two teams'
// form (team_form.h) as the run has moved it so far, and the home field. Ratings: from the weekly
// predictions, each team's strength drawn anew for each run around its rating and left to wander
// week by week. CoinFlips: every game an even chance, the baseline odds are judged by. Why the
// odds play by form is in playoff_odds.cpp, with the figures of each model.
enum class GameModel { Form, Ratings, CoinFlips };

// The Ratings model's spread, in points of margin, of a team's true strength around its rating
// today, and of its change from one week to the next.
extern const double StrengthSpread;
extern const double StrengthWeeklyDrift;

struct OddsOptions {
  int runs = 10000;
  uint64_t seed = 1;
  std::vector<PickedGame> picks;
  GameModel model = GameModel::Form;
  double strength_spread = StrengthSpread;
  double weekly_drift = StrengthWeeklyDrift;
};

// The most play-off seeds a conference has had.
inline constexpr int MostSeedsPerConference = 7;

// In how many runs a team reached each stage; seeds[s - 1] counts the runs it was seeded s.
struct TeamOdds {
  int division = 0;
  int playoffs = 0;
  int rest = 0;  // a first-round rest: one of the seeds that sit out the first round
  int final_game = 0;
  int title = 0;
  std::array<int, MostSeedsPerConference> seeds{};
};

struct WonLostTied {
  int won = 0;
  int lost = 0;
  int tied = 0;
};

struct PlayoffOdds {
  int runs = 0;
  int played_through = 0;  // the last week whose scores were taken as they are
  int team_count = LeagueTeamCount;
  int seeds_per_conference = 6;
  std::array<TeamOdds, MostLeagueTeams + 1> teams{};       // by team number
  std::array<WonLostTied, MostLeagueTeams + 1> records{};  // the played games' records
  std::array<ProvenStages, MostLeagueTeams + 1> proven{};  // what no result left can change
  std::vector<SeasonGame> unplayed;  // the games the runs played, in week order
  int picked_games = 0;              // of those, how many were played as the user picked
};

// The league whose play-offs the runs play out: the 31-team league's for a season of 31 teams,
// whatever its working year, and otherwise the 32-team league of its year.
SeasonLeague OddsLeague(const SeasonStore& store);

// Called now and then with the runs done so far, for a progress indication.
using OddsProgress = std::function<void(int runs_done, int runs)>;

// The picked games that are no unplayed game of the season, each as a message ("week 9 has no
// game left of Buffalo at Miami"); empty when every pick names one.
std::vector<std::string> UnknownPicks(const SeasonStore& store,
                                      const std::vector<SeasonGame>& games,
                                      const std::vector<PickedGame>& picks);

// Plays the games not yet played `options.runs` times, each game won by the home side with the
// probability its margin under `options.model` gives (from the store's block: the teams' form
// or the weekly predictions; the championship on a neutral field), seeds each
// conference by the rules of the store's league (OddsLeague), and counts each team's stages. A
// picked game ends as picked, its margin drawn as the prediction's given that result. The same seed
// gives the same odds. At least one run.
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

// A stage's figure as the odds show it, to one decimal: "100.0" and "0.0" only when proven;
// a sampled certainty shows as ">99.9" or "<0.1".
std::string OddsFigureText(int count, int runs, bool proven_in, bool proven_out);

// A team's figures as shown: division, play-offs, rest, final, title, then each seed.
std::vector<std::string> TeamOddsTexts(const PlayoffOdds& odds, int team);

// The one-letter mark of a proven status ("z", "y", "x", "e"; "" for none), and the legend that
// explains the marks.
std::string_view StatusMark(OddsStatus status);
std::array<std::string_view, 2> StatusLegend();

// Teams in the order the odds list them: best play-off chance first, then division and title
// chances, then record, then name.
bool ListsBefore(const SeasonStore& store, const PlayoffOdds& odds, int a, int b);

// "W-L" or "W-L-T" when there are ties.
std::string RecordText(const WonLostTied& record);

// The report: a title, then per conference and division each team's record and odds, best
// play-off chance first.
std::vector<std::string> PlayoffOddsLines(const SeasonStore& store, const PlayoffOdds& odds);

// For scripts: a header, then one line per team in team-number order, the figures as fractions
// with four decimals and the status in words ("clinched-rest", "clinched-division",
// "clinched-playoffs", "eliminated" or nothing).
std::vector<std::string> PlayoffOddsCsv(const SeasonStore& store, const PlayoffOdds& odds);

// The print button: nothing for an empty report or on Cancel.
void PrintPlayoffOdds(Session& session, const std::vector<std::string>& lines);

}  // namespace tavrin
