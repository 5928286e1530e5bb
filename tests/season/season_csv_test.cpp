#include "season/season_csv.h"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

// Catches the count line lost, or shown, at the edge: one problem more than the list holds.
TEST(ProblemLines, ListsTheFirstProblemsInLineOrderAndCountsTheRest) {
  for (const std::size_t count : {MaxListedProblems, MaxListedProblems + 1}) {
    std::vector<CsvProblem> problems(count, CsvProblem{9, "bad"});
    problems.back() = {0, "no games"};  // the file's own problem comes first
    const std::vector<std::string> lines = ProblemLines(problems, "x.csv");
    const bool counted = count > MaxListedProblems;
    ASSERT_EQ(lines.size(), MaxListedProblems + counted) << count;
    EXPECT_EQ(lines.front(), "x.csv: no games");
    EXPECT_EQ(lines.back(), counted ? "x.csv: 1 more problems not listed" : "x.csv:9: bad");
  }
}

}  // namespace
}  // namespace tavrin
