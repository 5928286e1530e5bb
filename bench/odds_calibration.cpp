// How well the play-off odds foretell what happened: the recorded 1999 and 2000 seasons, the
// odds after every week from 4 to 16 against each team's real division title and play-off
// place. Prints, per season and model, the Brier scores of the division and play-off odds and
// the calibration slope of the division odds (1 is ideal; below 1, over-confident). Not a test:
// run by hand when the odds' model changes.
//
//   tavrin-odds-calibration [RUNS]

#include <fmt/format.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/playoff_odds.h"
#include "cli/command_support.h"
#include "cli/console_ui.h"
#include "season/data_files.h"

namespace tavrin {
namespace {

constexpr int FirstWeek = 4;
constexpr int LastWeek = 16;

struct Forecast {
  double probability;
  int happened;  // 0 or 1
};

struct SeasonForecasts {
  std::vector<Forecast> division;
  std::vector<Forecast> playoffs;
};

double Brier(const std::vector<Forecast>& forecasts) {
  double sum = 0;
  for (const Forecast& f : forecasts)
    sum += (f.probability - f.happened) * (f.probability - f.happened);
  return sum / static_cast<double>(forecasts.size());
}

// The slope b of the logistic fit happened ~ a + b * logit(probability), by Newton's method.
double CalibrationSlope(const std::vector<Forecast>& forecasts) {
  double a = 0, b = 1;
  for (int step = 0; step < 50; ++step) {
    double ga = 0, gb = 0, haa = 0, hab = 0, hbb = 0;
    for (const Forecast& f : forecasts) {
      const double p = std::clamp(f.probability, 1e-4, 1 - 1e-4);
      const double x = std::log(p / (1 - p));
      const double q = 1 / (1 + std::exp(-(a + b * x)));
      const double w = q * (1 - q);
      ga += f.happened - q;
      gb += (f.happened - q) * x;
      haa += w;
      hab += w * x;
      hbb += w * x * x;
    }
    const double det = haa * hbb - hab * hab;
    if (det <= 0) break;
    a += (hbb * ga - hab * gb) / det;
    b += (haa * gb - hab * ga) / det;
  }
  return b;
}

class RecordedSeason {
 public:
  explicit RecordedSeason(const std::string& name)
      : folder_(std::filesystem::path(TAVRIN_BENCH_DATA_DIR) / "golden" / name / "final") {
    if (!ReadSettings(store_, folder_) || !ReadNames(store_, folder_)) std::abort();
    store_.TeamCount = LeagueTeamCount;
  }

  PlayoffOdds OddsAfter(int week, const OddsOptions& options) {
    store_.LastScoredWeek = static_cast<int16_t>(week);
    const auto odds = ShowPlayoffOdds(session_, options);
    if (!odds) std::abort();
    return *odds;
  }

  SeasonForecasts Forecasts(const OddsOptions& options) {
    OddsOptions once;
    once.runs = 1;
    const PlayoffOdds final_odds = OddsAfter(LastScoredWeekOfSeason(), once);
    SeasonForecasts forecasts;
    for (int week = FirstWeek; week <= LastWeek; ++week) {
      const PlayoffOdds odds = OddsAfter(week, options);
      for (int team = 1; team <= LeagueTeamCount; ++team) {
        const auto share = [&](int count) { return static_cast<double>(count) / odds.runs; };
        forecasts.division.push_back(
            {share(odds.teams[team].division), final_odds.teams[team].division});
        forecasts.playoffs.push_back(
            {share(odds.teams[team].playoffs), final_odds.teams[team].playoffs});
      }
    }
    return forecasts;
  }

 private:
  int LastScoredWeekOfSeason() const { return 17; }
  std::filesystem::path folder_;
  SeasonStore store_;
  std::ostringstream discarded_;
  cli::ConsoleUi ui_{discarded_, discarded_};
  Session session_{store_, ui_, folder_};
};

void Report(const std::string& model, const OddsOptions& options) {
  std::string line = fmt::format("{:<32}", model);
  SeasonForecasts pooled;
  for (const char* name : {"1999", "2000"}) {
    RecordedSeason season(name);
    const SeasonForecasts forecasts = season.Forecasts(options);
    line += fmt::format(" | {} division {:.4f} slope {:.2f} play-offs {:.4f}", name,
                        Brier(forecasts.division), CalibrationSlope(forecasts.division),
                        Brier(forecasts.playoffs));
    pooled.division.insert(pooled.division.end(), forecasts.division.begin(),
                           forecasts.division.end());
    pooled.playoffs.insert(pooled.playoffs.end(), forecasts.playoffs.begin(),
                           forecasts.playoffs.end());
  }
  line += fmt::format(" | both {:.4f} slope {:.2f} play-offs {:.4f}", Brier(pooled.division),
                      CalibrationSlope(pooled.division), Brier(pooled.playoffs));
  fmt::print("{}\n", line);
}

}  // namespace
}  // namespace tavrin

int main(int argc, char** argv) {
  using namespace tavrin;
  const int runs = argc > 1 ? std::atoi(argv[1]) : 2000;
  OddsOptions options;
  options.runs = runs;
  Report("form moving (the odds')", options);
  options.model = GameModel::CoinFlips;
  Report("coin flips", options);
  options.model = GameModel::Ratings;
  for (const double spread : {0.0, 2.0, 4.0, 6.0, 8.0}) {
    for (const double drift : {0.0, 1.0, 2.0, 3.0}) {
      options.strength_spread = spread;
      options.weekly_drift = drift;
      Report(fmt::format("ratings spread {:.1f} drift {:.1f}", spread, drift), options);
    }
  }
}
