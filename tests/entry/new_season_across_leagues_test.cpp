#include <gtest/gtest.h>

#include "engine/season_fixture.h"
#include "entry/new_season.h"
#include "league/season_league.h"

namespace tavrin {
namespace {

using NewSeasonAcrossLeagues = testing::SeasonFixture;

// Catches ratings carried by number, a 31-record block, the new club without the rule, and a
// refusal that writes.
TEST_F(NewSeasonAcrossLeagues, CarriesEachClubByFranchiseIntoTheNewLeaguesFiles) {
  // 2001's final block: club t rated 50 + t (Buffalo lowest); Seattle (16, 32 from 2002) won.
  store.WorkingYear = 2001;
  FillStartBlock(0);
  for (int team = 1; team <= LeagueTeamCount; ++team) store.Cqr[team] = 50 + team;
  SetPick(1, store.GameWinner[1] = 16, 3.0f);
  ASSERT_TRUE(WriteStatsBlock(store, folder.path(), 17));
  store.WorkingYear = 2002;
  store.TeamCount = TeamCountOfYear(2002);
  ui.inputs = {"17", "17"};
  const auto files = testing::FolderFiles(folder.path());
  EXPECT_EQ(RunNewSeasonSetup(session), CommandResult::Refused);  // no week 1 scheduled
  EXPECT_EQ(testing::FolderFiles(folder.path()), files);

  WriteSchedule(1, {{9, 32}});
  ASSERT_EQ(RunNewSeasonSetup(session), CommandResult::Done);
  ASSERT_TRUE(LoadStatsBlockNumber(store, folder.path(), 0) && ReadNames(store, folder.path()));
  const auto before = LeagueOf(2001), after = LeagueOf(2002);
  for (int team = 1; team <= MostLeagueTeams; ++team) {
    EXPECT_EQ(store.Cqr[team], 50 + before->TeamOfCode(after->Team(team).code).value_or(1));
    EXPECT_EQ(store.LocationName[team], after->Team(team).location);
  }
  EXPECT_EQ(store.GameWinner[1], 32);
  EXPECT_EQ(std::filesystem::file_size(folder.path() / StatisticsFileName(2002)), 32u * 48u);
}

}  // namespace
}  // namespace tavrin
