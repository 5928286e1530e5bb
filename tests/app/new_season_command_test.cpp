// New Season Setup in a folder's first season.

#include "app/new_season_command.h"

#include <gtest/gtest.h>

#include "app/season_offer.h"
#include "entry/schedule_save.h"
#include "entry/score_entry.h"
#include "season/data_files.h"
#include "support/scripted_ui.h"
#include "support/temp_folder.h"

namespace tavrin {
namespace {

using testing::ScriptedUi;
using testing::TempFolder;

TEST(NewSeasonCommand, AFirstSeasonSaysWhatItNeedsThenStartsEvenlyRated) {
  TempFolder folder;
  SeasonStore store;
  ScriptedUi ui;
  Session session{store, ui, folder.path()};
  ui.choices = {static_cast<int>(EmptyFolderChoice::NewSeason)};
  ui.inputs = {"2003"};
  ASSERT_TRUE(OfferSeasonForEmptyFolder(session));
  ASSERT_TRUE(ReadSettings(store, folder.path()));
  ASSERT_TRUE(ReadNames(store, folder.path()));

  EXPECT_EQ(RunNewSeasonCommand(session), CommandResult::Refused);
  EXPECT_EQ(ui.OnlyMessage(),
            "2003 is the first season in this folder: there is no season 2002 to carry the "
            "ratings from.\n\rEnter the schedule of Week # 1 first (Schedules, Enter / Edit "
            "Schedule), then choose New Season Setup again.");

  std::vector<ScheduledGame> week_one;
  for (int16_t team = 1; team < 2 * MinGamesToSave; team += 2)
    week_one.push_back({team, int16_t(team + 1), 1});
  ASSERT_TRUE(SaveScheduleWeek(session, "1", week_one));
  ui.answers = {false};
  EXPECT_EQ(RunNewSeasonCommand(session), CommandResult::Declined);
  EXPECT_FALSE(CheckScoreEntryBlock(session, 1));
  EXPECT_EQ(RunNewSeasonCommand(session), CommandResult::Done);
  EXPECT_EQ(ui.messages.back().text, "Season 2003 is ready for the scores of Week # 1.");
  const std::size_t told = ui.messages.size();
  EXPECT_TRUE(CheckScoreEntryBlock(session, 1));  // the block that opens week 1 is there
  EXPECT_EQ(ui.messages.size(), told);
}

}  // namespace
}  // namespace tavrin
