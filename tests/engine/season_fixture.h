#pragma once
// A 17-week 1999 season in a scratch folder, a scripted user, and helpers that lay down
// schedules and statistics blocks.

#include <gtest/gtest.h>

#include <vector>

#include "platform/session.h"
#include "season/data_files.h"
#include "season/season_store.h"
#include "support/scripted_ui.h"
#include "support/temp_folder.h"

namespace tavrin::testing {

struct Pairing {
  int first;
  int second;
};

class SeasonFixture : public ::testing::Test {
 protected:
  SeasonFixture() {
    store.TeamCount = LeagueTeamCount;
    store.WorkingYear = 1999;
    store.Reactivity = 100;
    store.Weighting = 100;
    store.WeeksInSeason = 17;
    for (int team = 1; team <= LeagueTeamCount; ++team) {
      store.LocationName[team] = "City" + std::to_string(team);
      store.TeamName[team] = "Team" + std::to_string(team);
    }
  }

  // Writes a week's schedule record straight through the schedule writer (day 1 for all).
  void WriteSchedule(int week, const std::vector<Pairing>& games) {
    SeasonStore scratch = store;
    scratch.WeekGameCount = static_cast<int16_t>(games.size());
    for (std::size_t g = 0; g < games.size(); ++g) {
      scratch.GameFirstTeam[g + 1] = static_cast<int16_t>(games[g].first);
      scratch.GameSecondTeam[g + 1] = static_cast<int16_t>(games[g].second);
      scratch.GameDay[g + 1] = 1;
    }
    ASSERT_TRUE(WriteScheduleWeek(scratch, folder.path(), week));
  }

  // Puts week `week`'s schedule into the store, as the score entry leaves it.
  void LoadSchedule(int week) { ASSERT_TRUE(ReadScheduleWeek(store, folder.path(), week)); }

  // Every team at the given rating with 20.0 averages, and results in game slots 1 and 2, so
  // that the block counts as one with recorded scores once it carries predictions.
  void FillStartBlock(double cqr) {
    for (int team = 1; team <= LeagueTeamCount; ++team) {
      store.Cqr[team] = cqr;
      store.AveOffense[team] = 20.0f;
      store.AveDefense[team] = 20.0f;
    }
    store.FirstScore[1] = store.FirstScore[2] = 20;
    store.SecondScore[1] = store.SecondScore[2] = 20;
  }

  void SetPick(int game, int favourite, float margin) {
    store.PickTeam[game] = static_cast<int16_t>(favourite);
    store.PickMargin[game] = margin;
  }

  std::string StatsFileBytes() const {
    const auto file = folder.path() / StatisticsFileName(store.WorkingYear);
    return std::filesystem::exists(file) ? ReadFileBytes(file) : std::string();
  }

  TempFolder folder;
  SeasonStore store;
  ScriptedUi ui;
  Session session{store, ui, folder.path()};
};

}  // namespace tavrin::testing
