// The community's games file reader on any bytes, for a season of each league and a season the
// program has no league for.

#include <string_view>
#include <vector>

#include "league/games_file.h"
#include "league/season_league.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace tavrin;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const int year : {1999, 2019, 2022, 1990}) {
    std::vector<CsvProblem> problems;
    const SeasonCsv season = ReadGamesFile(text, year, problems);
    const auto league = LeagueOf(year);
    for (const auto& [week, games] : season.weeks) {
      // Whatever the bytes, a game that was read is one the year's league can hold.
      for (const CsvGame& game : games) {
        if (!league || week < 1 || week > league->weeks || !league->IsTeam(game.visitor) ||
            !league->IsTeam(game.home) || game.day < 1 || game.day > 7) {
          __builtin_trap();
        }
      }
    }
    ProblemLines(std::move(problems), "fuzz.csv");
  }
  IsGamesFileHeader(text);
  GamesFileSeasons(text);
  return 0;
}
