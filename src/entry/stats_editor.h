#pragma once
// The statistics editor without its window: the week entry, loading a block, storing a typed
// value in its field, and saving the block back.

#include <optional>
#include <string>
#include <string_view>

#include "platform/session.h"
#include "season/season_store.h"

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

// The block number typed in the week entry: a whole number from 0 (the start of the season) to
// the last scored week, since a later block holds no statistics yet. Anything else is refused
// with a message saying which weeks can be edited.
std::optional<int> EditorWeek(Session& session, std::string_view week_text);

// Loads block `week` for editing, a week EditorWeek accepts (the user is told otherwise); a block
// never written reads as zeros. False, after telling
// the user, when the statistics file cannot be read.
bool LoadEditorBlock(Session& session, int week);

// Stores the typed value at the team's slot. Counts are whole numbers 0..99, points whole
// 0..9999, averages 0..999.9 and the rating 0..200; anything else (a sign, a letter, a fraction
// of a count) is refused with a message naming the field and the slot keeps its value.
bool StoreEditedValue(Session& session, int team, StatsField field, std::string_view text);

// The value of the team's field as its box shows it, in general number form: a rating as
// loaded (single) shows as a single, one typed in the editor (double) in full.
std::string EditorValueText(const SeasonStore& store, int team, StatsField field);

// Rounds the arrays as results processing does and writes block `week`, which must be one
// EditorWeek accepts; a failure is reported.
bool SaveEditorBlock(Session& session, int week);

// The caption of the field's box, as messages name it.
const char* StatsFieldLabel(StatsField field);

}  // namespace tavrin
