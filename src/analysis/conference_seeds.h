#pragma once
// Each conference's play-off seeds after a scored week, each with the step that placed it: the
// 32-team league's seasons by its tie-breaking procedures, the 31-team league's by the seeding
// the play-off odds play out.

#include <optional>
#include <string>
#include <vector>

#include "platform/session.h"

namespace tavrin {

struct SeedLine {
  int conference = 0;  // its index in league::ConferenceNames
  int seed = 0;
  int team = 0;
  int won = 0;
  int lost = 0;
  int tied = 0;
  std::string code;    // the team's code in the community's games file; empty before 1999
  std::string reason;  // "Detroit over Green Bay: conference record", or "record"
};

// The seeds after `week` (1 to the last scored week), the AFC's first, seed 1 first; nothing,
// with the user told why, when the week is not scored or a played week cannot be read.
std::optional<std::vector<SeedLine>> ShowConferenceSeeds(Session& session, int week);

// The seeds as the report shows them, one line a seed under a heading.
std::vector<std::string> ConferenceSeedLines(const SeasonStore& store, int week,
                                             const std::vector<SeedLine>& seeds);

// "conference,seed,team,code,won,lost,tied,reason", then a row a seed.
std::vector<std::string> ConferenceSeedsCsv(const SeasonStore& store,
                                            const std::vector<SeedLine>& seeds);

}  // namespace tavrin
