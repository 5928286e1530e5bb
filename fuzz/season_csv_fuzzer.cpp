// The season CSV reader on any bytes, and the problem list it makes of them.

#include <string_view>
#include <vector>

#include "season/season_csv.h"
#include "season/season_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace tavrin;
  std::vector<CsvProblem> problems;
  const SeasonCsv season =
      ReadSeasonCsv(std::string_view(reinterpret_cast<const char*>(data), size), 17, problems);
  for (const auto& [week, games] : season.weeks) {
    // Whatever the bytes, a game that was read is one the season can hold.
    for (const CsvGame& game : games) {
      if (week < 1 || week > 17 || !IsTeamNumber(game.visitor) || !IsTeamNumber(game.home) ||
          game.day < 1 || game.day > 7) {
        __builtin_trap();
      }
    }
  }
  ProblemLines(std::move(problems), "fuzz.csv");
  return 0;
}
