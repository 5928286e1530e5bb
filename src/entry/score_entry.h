#pragma once
// The score entry command: the checks that let the score entry window open for week W.

#include <filesystem>
#include <optional>
#include <vector>

#include "engine/results_processing.h"
#include "platform/command_result.h"
#include "platform/session.h"
#include "season/season_store.h"

namespace tavrin {

// The score entry window has rows for this many games in a season of the 31-team league, and
// for a full week of its league's games in any later one.
inline constexpr int MaxScoredGames = 15;
inline constexpr int MostScoredGames = MostGamesInWeek(MostLeagueTeams);

// The rows of the score entry window for the store's season.
inline int ScoreEntryRows(const SeasonStore& store) {
  return SeasonTeamCount(store) == LeagueTeamCount ? MaxScoredGames
                                                   : MostGamesInWeek(SeasonTeamCount(store));
}

// The command's check: the block that opens week `week` is loaded and carries recorded scores;
// otherwise the user is told why scoring cannot start. True when the window may open.
bool CheckScoreEntryBlock(Session& session, int week);

// The window's load: week `week`'s schedule into the store, after checking that the next week's
// schedule exists too; the user is told when either is missing or the week has more games than
// the `rows` it has. True when the window can show one row per game of the loaded week.
bool LoadScoreEntryWeek(Session& session, int week, int rows);

// Both steps, for callers without a window, which take a week of any size the league can play:
// true when scores can be entered for the week.
bool OpenScoreEntry(Session& session, int week);

// The scores recorded for week `week`, game by game as its boxes show them, when the week has
// been scored (so that correcting one score means typing one box); empty when it has not. The
// store holds the week's schedule; the block is read without touching the store.
std::vector<ScoreTexts> RecordedScoreTexts(const SeasonStore& store,
                                           const std::filesystem::path& folder, int week);

// The first of games 1..`games` with a box left empty, if any.
std::optional<ScoreBoxPlace> FirstEmptyScore(const std::vector<ScoreTexts>& scores, int games);
// Names the empty box's game and team: "Game # 3, Miami at Buffalo:" / "the score of Buffalo
// is missing."
void ShowScoreMissing(Session& session, ScoreBoxPlace place);

// Scoring the opened week: every box read first; then, for a week before the last scored one,
// the question whether to go on, since the later weeks must be entered again (No: Declined);
// then results processing (see ProcessWeekResults).
CommandResult EnterScores(Session& session, int week, const std::vector<ScoreTexts>& scores);

}  // namespace tavrin
