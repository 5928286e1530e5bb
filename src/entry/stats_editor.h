#pragma once
// The statistics editor without its window: the week entry, loading a block, storing a typed
// value in its field, and saving the block back.

#include <optional>
#include <string>
#include <string_view>

#include "platform/session.h"

namespace tavrin {

// The eight editable values of a team, in the order of the editor's boxes.
enum class StatsField {
  Wins,
  Losses,
  Ties,
  PointsScored,
  PointsAllowed,
  AveOffense,
  AveDefense,
  Cqr,
};

// The block number typed in the week entry: above WeeksInSeason it becomes WeeksInSeason;
// negative is refused (nothing).
std::optional<int> EditorWeek(const SeasonStore& store, std::string_view week_text);

// Loads block `week` for editing; a block never written reads as zeros. False, after telling
// the user, when the statistics file cannot be read.
bool LoadEditorBlock(Session& session, int week);

// Stores the typed value at the team's slot. A value its field cannot hold (a 16-bit count, or
// beyond the single range of the file) is refused with a message and the slot keeps its value.
bool StoreEditedValue(Session& session, int team, StatsField field, std::string_view text);

// The value of the team's field as its box shows it, in general number form: a rating as
// loaded (single) shows as a single, one typed in the editor (double) in full.
std::string EditorValueText(const SeasonStore& store, int team, StatsField field);

// Rounds the arrays as results processing does and writes block `week`; a failure is reported.
bool SaveEditorBlock(Session& session, int week);

}  // namespace tavrin
