#pragma once
// Text pieces every report line is built from. Team numbers and day codes come from data files,
// so a number outside its range gives an empty name instead of reaching past a table.

#include <cstddef>
#include <string>

#include "season/season_store.h"

namespace tavrin {

const std::string& LocationOf(const SeasonStore& store, int team);
const std::string& NicknameOf(const SeasonStore& store, int team);
const std::string& DayNameOf(const SeasonStore& store, int day);
// The first three letters of the day's name ("Sun"); empty for code 0.
std::string DayAbbreviation(const SeasonStore& store, int day);

// A team number as an index into the per-team arrays: slot 0 (never data) when out of range.
int TeamSlot(int team);

// The loaded week's game count, kept inside the schedule arrays whatever the file said.
int LoadedGameCount(const SeasonStore& store);

// A text as a field of the reports' CSV: quoted, with doubled quotes, when it holds a comma, a
// quote or a line end.
std::string CsvField(const std::string& text);

// LocationName(visitor) + " at " + LocationName(home).
std::string Pairing(const SeasonStore& store, int visitor, int home);
// The pairing column of the week listings (predictions, results, win probabilities): the
// pairing padded to this width, the next column starting after it.
inline constexpr std::size_t PairingColumnWidth = 31;

// TeamName(favourite) + " by " + margin in general number form, or "a Pick" with no favourite.
std::string PredictionText(const SeasonStore& store, int favourite, float margin);

// A count in general number form preceded by one space for each power of ten from 10 up to
// 10^(width - 1) that it stays below: right-aligned in `width` columns for usual values.
std::string RightAlignedCount(float value, int width);

}  // namespace tavrin
