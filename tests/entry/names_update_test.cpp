#include "entry/names_update.h"

#include <gtest/gtest.h>

#include "engine/season_fixture.h"
#include "season/data_files.h"

namespace tavrin {
namespace {

class NamesUpdateTest : public testing::SeasonFixture {
 protected:
  NamesUpdateTest() {
    for (int team = 1; team <= LeagueTeamCount; ++team) {
      locations.push_back(store.LocationName[team]);
      team_names.push_back(store.TeamName[team]);
    }
  }

  std::vector<std::string> locations, team_names;
};

// No leaves the tables and the file untouched; Yes saves both tables, names at full length.
TEST_F(NamesUpdateTest, SavesBothTablesAfterTheQuestion) {
  locations[4] = "Twelve Chars";  // exactly 12
  team_names[4] = "NineChars";    // exactly 9
  ui.answers = {false, true};
  EXPECT_EQ(SaveNames(session, locations, team_names), CommandResult::Declined);
  EXPECT_EQ(store.LocationName[5], "City5");
  EXPECT_FALSE(std::filesystem::exists(folder.path() / NamesFileName));
  ASSERT_EQ(SaveNames(session, locations, team_names), CommandResult::Done);
  EXPECT_EQ(ui.questions[0].text, "Are you Sure you want to alter the City & Team Names?");
  EXPECT_EQ(ui.questions[0].caption, "City & Team Names");
  EXPECT_TRUE(ui.questions[0].yes_no);

  SeasonStore read_back;
  read_back.TeamCount = LeagueTeamCount;
  ASSERT_TRUE(ReadNames(read_back, folder.path()));
  EXPECT_EQ(read_back.LocationName[5], "Twelve Chars");
  EXPECT_EQ(read_back.TeamName, store.TeamName);
  EXPECT_EQ(store.TeamName[5], "NineChars");
}

// Catches a name the file cannot hold, an empty name or one two teams share, stored.
TEST_F(NamesUpdateTest, RefusesNamesBeforeTheQuestion) {
  const std::string cannot = "A name cannot contain a double quote (\") or a line break.";
  // the team, whether the location (or else the team name) is typed, what is typed, the refusal
  const std::tuple<std::size_t, bool, std::string, std::string> cases[] = {
      {5, true, "", "Team # 5 needs a location."},
      {5, false, "   ", "Team # 5 needs a team name."},
      {19, true, " city5",
       "\" city5\" is the location of team # 5 and of team # 19.\n\r"
       "Each team needs a location of its own."},
      {2, false, "Team1",
       "\"Team1\" is the team name of team # 1 and of team # 2.\n\r"
       "Each team needs a team name of its own."},
      {3, true, "Say \"Hi\"", cannot},
      {4, true, "Two\r\nLines", cannot},
      {5, true, "Thirteen Char", cannot},
      {1, false, "TenLetters", cannot},
  };
  for (const auto& [team, location, name, message] : cases) {
    ui.messages.clear();
    auto typed_locations = locations;
    auto typed_names = team_names;
    (location ? typed_locations : typed_names)[team - 1] = name;
    EXPECT_EQ(SaveNames(session, typed_locations, typed_names), CommandResult::Refused) << message;
    EXPECT_EQ(ui.OnlyMessage(), message);
  }
  EXPECT_TRUE(ui.questions.empty());
  EXPECT_EQ(store.LocationName[5], "City5");
  EXPECT_FALSE(std::filesystem::exists(folder.path() / NamesFileName));
}

}  // namespace
}  // namespace tavrin
