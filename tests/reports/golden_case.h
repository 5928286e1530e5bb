#pragma once
// A golden case's final files opened as the program opens them, and the case's report files.

#include <fmt/format.h>
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "platform/session.h"
#include "season/data_files.h"
#include "season/season_store.h"
#include "support/scripted_ui.h"
#include "support/temp_folder.h"

namespace tavrin::testing {

inline const std::array<const char*, 3> GoldenCases{"1999", "1999_r75_w120", "2000"};

inline std::filesystem::path GoldenCaseDir(const std::string& name) {
  return TestDataDir() / "golden" / name;
}

// One line per element, as the report files hold them (LF line ends).
inline std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

inline std::vector<std::string> GoldenReport(const std::string& name, const std::string& file) {
  return SplitLines(ReadFileBytes(GoldenCaseDir(name) / "reports" / file));
}

inline void SetDayNames(SeasonStore& store) {
  store.DayName = {"",          "Sunday",   "Monday", "Tuesday",
                   "Wednesday", "Thursday", "Friday", "Saturday"};
}

// A made-up league for the edge cases the recorded seasons never hold: teams "LocN" "NickN",
// every one rated 60 with averages of 20.
inline SeasonStore LeagueStore(int year) {
  SeasonStore store;
  store.TeamCount = LeagueTeamCount;
  store.WorkingYear = static_cast<int16_t>(year);
  store.WeeksInSeason = 17;
  store.Weighting = 100;
  SetDayNames(store);
  for (int team = 1; team <= LeagueTeamCount; ++team) {
    store.LocationName[team] = fmt::format("Loc{}", team);
    store.TeamName[team] = fmt::format("Nick{}", team);
    store.Cqr[team] = 60;
    store.AveOffense[team] = store.AveDefense[team] = 20;
  }
  return store;
}

// The store, person and folder of one golden case's final state.
struct OpenedCase {
  TempFolder folder;
  SeasonStore store;
  ScriptedUi ui;
  Session session{store, ui, folder.path()};

  explicit OpenedCase(const std::string& name) {
    folder.CopyFilesFrom(GoldenCaseDir(name) / "final");
    EXPECT_TRUE(ReadSettings(store, folder.path()));
    EXPECT_TRUE(ReadNames(store, folder.path()));
    store.TeamCount = LeagueTeamCount;
    SetDayNames(store);
  }
};

}  // namespace tavrin::testing
