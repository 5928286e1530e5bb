#pragma once
// The weekly results view: the predictions stored for a week set against its recorded results,
// game by game, closed by the results summary line. The team results view shares its lines and
// its print command.

#include <optional>
#include <string>
#include <vector>

#include "platform/session.h"
#include "season/season_store.h"

namespace tavrin {

// The width of the results views' rules and of a game line with two-digit scores.
inline constexpr int ResultsLineLength = 81;

// The results of week W (`week`): loads block W - 1,
// keeps its predictions in SavedPickTeam/SavedPickMargin, loads block W and reads week W's
// schedule. Nothing after the message when either block lacks scores or the week is unreadable.
std::optional<std::vector<std::string>> ShowWeeklyResults(Session& session, int week);

// Sets FirstScore and SecondScore of game slots 1 and 2 to 0, so that a block that cannot be
// read is not taken for one with scores.
void ClearGameOneAndTwoScores(SeasonStore& store);
// Loads block `block`; false when it holds no predictions or no scores.
bool LoadBlockWithScores(Session& session, int block);

// Copies PickTeam and PickMargin of every slot 1..TeamCount into the saved predictions.
void SaveOpeningPredictions(SeasonStore& store);

// The report of week W from the loaded schedule, block W and the saved predictions.
std::vector<std::string> WeeklyResultLines(const SeasonStore& store, int week);

// Game slot g from the day column on, after the lead (the pairing, already padded to
// PairingColumnWidth): the saved prediction, the result and the score, larger first.
std::string ResultGameLine(const SeasonStore& store, int game, std::string lead);

// " " + correct + " right out of " + picked + " for " + percentage "00.0" + "%"; a week with no
// picked game gives 00.0.
std::string ResultsSummaryLine(int correct, int picked);

// The print command of both results views: their title at 12 points, the body double-spaced
// at 10. The weekly view sets the size before the font name, the team view after it.
enum class ResultsFontOrder { SizeThenName, NameThenSize };
void PrintResults(Session& session, const std::vector<std::string>& lines, ResultsFontOrder order);

}  // namespace tavrin
