#pragma once
// The season projection: two contenders of different projection groups per conference, the
// conference champions and the championship winner, chosen by CQR alone.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/session.h"
#include "season/season_store.h"

namespace tavrin {

inline constexpr int ProjectionBoxCount = 7;

struct SeasonProjection {
  std::string caption;  // "Tavrin " + year + " Projections"
  std::string title;    // the championship game's name; empty for years without one
  // Boxes 1..7: first and second AFC contender, first and second NFC contender, AFC champion,
  // NFC champion, championship winner. 0 leaves a box empty.
  std::array<int, ProjectionBoxCount + 1> box_team{};
};

// The menu entry: loads block LastScoredWeek and projects it. Nothing after the
// scores-not-current message when the block holds no predictions or scores.
std::optional<SeasonProjection> ShowSeasonProjection(Session& session);

// The projection from the loaded block's Cqr; the store is not changed.
SeasonProjection ProjectSeason(const SeasonStore& store);

// "Super Bowl XXXIV" for 1999 .. "Super Bowl XXXVIII" for 2003; empty for other years.
std::string ChampionshipTitle(int year);

// A box's text: the location on the box's second line ("\r\n" + LocationName); "" when empty.
std::string ProjectionBoxText(const SeasonStore& store, int team);

// The projection as text: the caption, the title, then "Box i <role>: <team> <LocationName>"
// for boxes 1..7 (an empty box ends after the colon and a space).
std::vector<std::string> ProjectionReportLines(const SeasonStore& store,
                                               const SeasonProjection& projection);

// Prints the projection's report lines as the other reports print theirs, after the question
// "Ready to send Projections to the Printer.".
void PrintSeasonProjection(Session& session, const std::vector<std::string>& lines);

}  // namespace tavrin
