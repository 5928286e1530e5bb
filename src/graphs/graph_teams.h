#pragma once
// The teams a graph shows, as the selection window leaves them. The main window keeps them, so
// that a graph's "Select Teams" opens the selection the way it was left.

#include <cstdint>

namespace tavrin {

// One team's curve, or two teams' compared.
inline constexpr int16_t GraphOneTeam = 1;
inline constexpr int16_t GraphTwoTeams = 2;

struct GraphTeams {
  int16_t mode = GraphOneTeam;
  int16_t one = 0;
  int16_t two = 0;  // 0 in one-team mode

  bool operator==(const GraphTeams&) const = default;
};

}  // namespace tavrin
