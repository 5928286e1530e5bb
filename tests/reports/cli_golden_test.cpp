// Every golden report file reproduced through the companion tool's report commands, as the
// golden folder's index names them.

#include <fmt/format.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <sstream>

#include "analysis/single_game.h"
#include "cli/cli_command.h"
#include "cli/session_start.h"
#include "reports/golden_case.h"

namespace tavrin {
namespace {

using testing::GoldenCaseTest;

class CliGolden : public GoldenCaseTest {
 protected:
  // The command's output lines; the exit status must be 0.
  std::vector<std::string> Run(const std::string& line) {
    std::istringstream words(line);
    std::vector<std::string> args;
    for (std::string word; words >> word;) args.push_back(word);
    const std::string name = args.front();
    args.erase(args.begin());
    for (const auto& command : cli::ReportCommands()) {
      if (command.name != name) continue;
      SeasonStore store;
      Session fresh{store, ui(), session().folder};
      EXPECT_TRUE(cli::StartSession(fresh));
      std::istringstream in;
      std::ostringstream out;
      EXPECT_EQ(command.run(fresh, args, in, out), cli::ExitDone) << line;
      return testing::SplitLines(out.str());
    }
    ADD_FAILURE() << "no command " << name;
    return {};
  }
};

TEST_P(CliGolden, WeekAndTeamReports) {
  EXPECT_EQ(Run("schedule season"), Golden("schedule_season.txt"));
  for (int week = 1; week <= store().WeeksInSeason; ++week) {
    SCOPED_TRACE(week);
    EXPECT_EQ(Run(fmt::format("predictions {}", week)),
              Golden(fmt::format("predictions_week_{:02}.txt", week)));
    EXPECT_EQ(Run(fmt::format("schedule week {}", week)),
              Golden(fmt::format("schedule_week_{:02}.txt", week)));
    EXPECT_EQ(Run(fmt::format("results {}", week)),
              Golden(fmt::format("results_week_{:02}.txt", week)));
    EXPECT_EQ(Run(fmt::format("standings {}", week)),
              Golden(fmt::format("standings_week_{:02}.txt", week)));
  }
  for (int team = 1; team <= store().TeamCount; ++team) {
    SCOPED_TRACE(team);
    EXPECT_EQ(Run(fmt::format("schedule team {}", team)),
              Golden(fmt::format("schedule_team_{:02}.txt", team)));
    EXPECT_EQ(Run(fmt::format("team-results {}", team)),
              Golden(fmt::format("team_results_{:02}.txt", team)));
  }
  EXPECT_TRUE(ui().messages.empty());
}

TEST_P(CliGolden, StatisticsInEveryOrder) {
  const char* sorts[] = {"rating", "percentage", "offense", "defense"};
  const char* names[] = {"quality_rating", "percentage", "ave_offense", "ave_defense"};
  for (int block = 0; block <= store().WeeksInSeason; ++block) {
    for (int order = 0; order < 4; ++order) {
      EXPECT_EQ(
          Run(fmt::format("statistics {} --sort {}", block, sorts[order])),
          Golden(fmt::format("statistics_block_{:02}_sort{}_{}.txt", block, order, names[order])));
    }
  }
}

TEST_P(CliGolden, ProjectionSingleGamesAndRatingSeries) {
  const auto projection = Run("projection");
  EXPECT_EQ(projection, Golden("projection_after_week_17.txt"));

  // After week 17 the list holds only the projection's pairings (there is no week 18).
  ASSERT_EQ(projection.size(), 9u);
  auto number = [&](std::size_t box) {
    const std::string& line = projection[box + 1];
    const std::size_t start = line.find(": ") + 2;
    return line.substr(start, line.find(' ', start) - start);
  };
  std::vector<std::string> specials{SpecialsOpeningHeader};
  for (const auto& line : {fmt::format("single-game {} {}", number(2), number(1)),
                           fmt::format("single-game {} {}", number(4), number(3)),
                           fmt::format("single-game {} {} --neutral", number(5), number(6))}) {
    const auto output = Run(line);
    specials.insert(specials.end(), output.begin(), output.end());
  }
  EXPECT_EQ(specials, Golden("specials_after_week_17.txt"));

  const auto csv = Golden("rating_series.csv");
  for (int first = 1; first <= store().TeamCount; first += 2) {
    const int second = first < store().TeamCount ? first + 1 : first;
    const auto blocks = Run(fmt::format("graph {} {}", first, second));
    ASSERT_EQ(blocks.size(), static_cast<std::size_t>(store().WeeksInSeason) + 1);
    std::string row_one = std::to_string(first);
    std::string row_two = std::to_string(second);
    for (const auto& block : blocks) {
      std::istringstream values(block);
      std::string index, one, two;
      values >> index >> one >> two;
      row_one += "," + one;
      row_two += "," + (two.empty() ? one : two);
    }
    EXPECT_EQ(row_one, csv[first]);
    EXPECT_EQ(row_two, csv[second]);
  }
}

// The scorecard's season line carries the figures counted from the recorded seasons.
TEST_P(CliGolden, ScorecardSeasonFigures) {
  const std::map<std::string, std::string> counted{
      {"1999", " Season        248     237    150    63.3       10.230    11.351"},
      {"2000", " Season        248     242    151    62.4       10.377    11.835"}};
  const auto expected = counted.find(GetParam());
  if (expected == counted.end()) GTEST_SKIP() << "no figures counted for this case";
  const auto lines = Run("scorecard");
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 2].rfind(expected->second, 0), 0u) << lines[lines.size() - 2];
  EXPECT_EQ(Run("scorecard --through 1").size(), 8u);
}

// The executable itself, for the first and last of each kind of report.
TEST_P(CliGolden, ThroughTheExecutable) {
  const auto folder = session().folder;
  auto run = [&](const std::string& arguments) {
    const auto output = folder / "output.txt";
    const std::string command = std::string(TAVRIN_CLI_PATH) + " -C '" + folder.string() + "' " +
                                arguments + " > '" + output.string() + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << arguments;
    return testing::SplitLines(testing::ReadFileBytes(output));
  };
  const int last = store().WeeksInSeason;
  for (int week : {1, last}) {
    EXPECT_EQ(run(fmt::format("predictions {}", week)),
              Golden(fmt::format("predictions_week_{:02}.txt", week)));
    EXPECT_EQ(run(fmt::format("results {}", week)),
              Golden(fmt::format("results_week_{:02}.txt", week)));
    EXPECT_EQ(run(fmt::format("standings {}", week)),
              Golden(fmt::format("standings_week_{:02}.txt", week)));
    EXPECT_EQ(run(fmt::format("schedule week {}", week)),
              Golden(fmt::format("schedule_week_{:02}.txt", week)));
  }
  for (int team : {1, 31}) {
    EXPECT_EQ(run(fmt::format("schedule team {}", team)),
              Golden(fmt::format("schedule_team_{:02}.txt", team)));
    EXPECT_EQ(run(fmt::format("team-results {}", team)),
              Golden(fmt::format("team_results_{:02}.txt", team)));
  }
  EXPECT_EQ(run("schedule season"), Golden("schedule_season.txt"));
  EXPECT_EQ(run(fmt::format("statistics {} --sort defense", last)),
            Golden(fmt::format("statistics_block_{:02}_sort3_ave_defense.txt", last)));
  EXPECT_EQ(run("statistics 0"), Golden("statistics_block_00_sort0_quality_rating.txt"));
  EXPECT_EQ(run("projection"), Golden("projection_after_week_17.txt"));
  EXPECT_EQ(run("graph 9").size(), static_cast<std::size_t>(last) + 1);
}

TAVRIN_GOLDEN_CASES(CliGolden);

}  // namespace
}  // namespace tavrin
