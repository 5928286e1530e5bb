// Importing the community's games file from the window: which of its seasons.

#include <gtest/gtest.h>

#include "app/season_file_commands.h"
#include "season/season_store.h"
#include "support/scripted_ui.h"

namespace tavrin {
namespace {

constexpr std::string_view TwoSeasons =
    "season,game_type,week,gameday,weekday,away_team,away_score,home_team,home_score\n"
    "1999,REG,1,x,Sunday,BUF,1,MIA,2\n2000,REG,1,x,Sunday,BUF,1,MIA,2\n";

// Catches a question asked of a file with one season, a year the file lacks taken, and the
// offered year not the working one.
TEST(GamesFileChoice, AFileOfSeveralSeasonsAsksWhichAndRefusesOneItLacks) {
  SeasonStore store;
  store.WorkingYear = 1999;
  testing::ScriptedUi ui;
  Session session{store, ui, "."};
  const struct {
    std::optional<std::string> answer;
    std::optional<int> year;
  } cases[] = {{"2000", 2000}, {" 1999 ", 1999}, {"1998", {}}, {"20x0", {}}, {{}, {}}};
  for (const auto& c : cases) {
    ui.inputs = {c.answer};
    ui.input_prompts.clear();
    ui.messages.clear();
    EXPECT_EQ(ChooseGamesFileSeason(session, TwoSeasons), c.year) << c.answer.value_or("cancel");
    ASSERT_EQ(ui.input_prompts.size(), 1u);
    EXPECT_EQ(ui.input_prompts[0], "The file holds the seasons 1999 to 2000. Which season?");
    EXPECT_EQ(ui.messages.size(), c.answer && !c.year ? 1u : 0u);
  }
  ui.input_prompts.clear();
  EXPECT_EQ(ChooseGamesFileSeason(session, TwoSeasons.substr(0, TwoSeasons.rfind("2000,"))), 1999);
  EXPECT_TRUE(ui.input_prompts.empty());
}

}  // namespace
}  // namespace tavrin
