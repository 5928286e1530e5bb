#pragma once
// The one in-memory season every command works on: the settings, the name tables, the schedule
// of the loaded week and the statistics of the loaded block. Commands load a week into it, read
// or change it, and the next command overwrites it; nothing is cached between commands. It holds
// only what the files hold: what a window shows (its week, its order, the graph's teams) stays
// with the window, and a loader's verdict is what it returns.

#include <array>
#include <cstdint>
#include <string>

#include "season/league.h"

namespace tavrin {

inline constexpr int MaxTeamSlot = 36;      // per-team and per-game arrays have slots 0..36
inline constexpr int MaxScheduleSlot = 21;  // the loaded week's schedule arrays have slots 0..21

template <typename T>
using SlotArray = std::array<T, MaxTeamSlot + 1>;
template <typename T>
using GameSlotArray = std::array<T, MaxScheduleSlot + 1>;

struct SeasonStore {
  // Settings, persisted in the settings file.
  int16_t WorkingYear = 0;
  float Reactivity = 0;
  float Weighting = 0;
  int16_t LastScoredWeek = 0;
  std::string ReportFont;
  int16_t WeeksInSeason = 0;

  // Working state.
  // The season's team count (SeasonTeamCountIn): its year's league, or 31 for a later season made
  // with 31 teams. Set after the settings are read or saved, never above the largest league.
  int16_t TeamCount = 0;

  // Name tables (slot t belongs to team t); strings hold Latin-1 bytes.
  SlotArray<std::string> LocationName{};
  SlotArray<std::string> TeamName{};
  std::array<std::string, 8> DayName{};  // 1 = "Sunday" .. 7 = "Saturday"

  // The loaded week's schedule.
  int16_t WeekGameCount = 0;
  GameSlotArray<int16_t> GameFirstTeam{};   // visiting team
  GameSlotArray<int16_t> GameSecondTeam{};  // home team
  GameSlotArray<int16_t> GameDay{};

  // The loaded statistics block: team fields by team slot, game fields by game slot.
  SlotArray<float> Wins{};
  SlotArray<int16_t> Losses{};
  SlotArray<int16_t> Ties{};
  SlotArray<float> PointsScored{};
  SlotArray<float> PointsAllowed{};
  SlotArray<float> AveOffense{};
  SlotArray<float> AveDefense{};
  SlotArray<int16_t> GameWinner{};
  SlotArray<float> WinMargin{};
  // Single as loaded and while ratings move; double after rounding or when typed in the editor.
  SlotArray<double> Cqr{};
  SlotArray<int16_t> PickTeam{};
  SlotArray<float> PickMargin{};
  SlotArray<int16_t> FirstScore{};
  SlotArray<float> SecondScore{};

  // Predictions of the block that opens a result week, kept while the closing block is loaded.
  SlotArray<int16_t> SavedPickTeam{};
  SlotArray<float> SavedPickMargin{};

  // Sets every statistics array slot 1..TeamCount to zero.
  void ClearStatistics();
};

// The teams the season's files hold a record for: 32 once the settings of a 32-team year set
// TeamCount, the 31-team league's otherwise.
inline int SeasonTeamCount(const SeasonStore& store) {
  return store.TeamCount == MostLeagueTeams ? MostLeagueTeams : LeagueTeamCount;
}
inline bool IsSeasonTeam(const SeasonStore& store, int team) {
  return IsTeamNumber(team, SeasonTeamCount(store));
}

// A loaded week that may be indexed game by game: 1..MaxScheduleSlot games, every team one of
// the league's.
inline bool ScheduleUsable(const SeasonStore& store) {
  if (store.WeekGameCount < 1 || store.WeekGameCount > MaxScheduleSlot) return false;
  for (int game = 1; game <= store.WeekGameCount; ++game) {
    if (!IsSeasonTeam(store, store.GameFirstTeam[game]) ||
        !IsSeasonTeam(store, store.GameSecondTeam[game])) {
      return false;
    }
  }
  return true;
}

}  // namespace tavrin
