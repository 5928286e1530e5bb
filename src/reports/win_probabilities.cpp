#include "reports/win_probabilities.h"

#include <fmt/format.h>

#include "engine/win_probability.h"
#include "presentation/report_text.h"
#include "reports/weekly_predictions.h"
#include "season/text_convention.h"

namespace tavrin {

namespace {

constexpr int ListingWidth = 62;
constexpr std::size_t PredictionWidth = 24;  // the chance follows, right-aligned

std::string GameLine(const SeasonStore& store, int game) {
  const int favourite = store.PickTeam[game];
  const float margin = store.PickMargin[game];
  const double chance = favourite == 0 ? 0.5 : FavouriteWinProbability(margin);
  return PadRight(Pairing(store, store.GameFirstTeam[game], store.GameSecondTeam[game]),
                  PairingColumnWidth) +
         PadRight(PredictionText(store, favourite, margin), PredictionWidth) +
         fmt::format("{:>6}%", FormatNumber(100.0 * chance, "#0.0"));
}

}  // namespace

std::optional<std::vector<std::string>> ShowWinProbabilities(Session& session, int week) {
  session.ui.ShowBusyPointer();
  if (!ReadWeekPredictions(session, week)) return std::nullopt;
  return WinProbabilityLines(session.store, week);
}

std::vector<std::string> WinProbabilityLines(const SeasonStore& store, int week) {
  std::vector<std::string> lines{
      fmt::format("               Win Probabilities for Week # {}  {}", week,
                  YearText(store.WorkingYear)),
      std::string(ListingWidth, '='),
      PadRight(PadRight("   -- Teams --", PairingColumnWidth) + "Prediction", ListingWidth - 6) +
          "Chance",
      std::string(ListingWidth, '_'),
  };
  const int games = LoadedGameCount(store);
  for (int game = 1; game <= games; ++game) lines.push_back(GameLine(store, game));
  lines.push_back(std::string(ListingWidth, '='));
  return lines;
}

}  // namespace tavrin
