// How well the play-off odds foretell what happened: the recorded 1999 and 2000 seasons, the
// odds after every week from 4 to 16 against each team's real division title and play-off
// place. Prints, per season and model, the Brier scores of the division and play-off odds and
// the calibration slope of the division odds (1 is ideal; below 1, over-confident). Not a test:
// run by hand when the odds' model changes. Given season folders (a season imported whole with
// `tavrin-cli import`, say), it measures those instead, each from its last scored week.
//
//   tavrin-odds-calibration [RUNS [FOLDER...]]

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
  explicit RecordedSeason(std::filesystem::path folder) : folder_(std::move(folder)) {
    if (!ReadSettings(store_, folder_) || !ReadNames(store_, folder_)) std::abort();
    last_week_ = store_.LastScoredWeek;
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
    const PlayoffOdds final_odds = OddsAfter(last_week_, once);
    SeasonForecasts forecasts;
    for (int week = FirstWeek; week <= LastWeek; ++week) {
      const PlayoffOdds odds = OddsAfter(week, options);
      for (int team = 1; team <= odds.team_count; ++team) {
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
  std::filesystem::path folder_;
  int last_week_ = 0;
  SeasonStore store_;
  std::ostringstream discarded_;
  cli::ConsoleUi ui_{discarded_, discarded_};
  Session session_{store_, ui_, folder_};
};

void Report(const std::string& model, const OddsOptions& options,
            const std::vector<std::filesystem::path>& folders) {
  std::string line = fmt::format("{:<32}", model);
  SeasonForecasts pooled;
  for (const std::filesystem::path& folder : folders) {
    RecordedSeason season(folder);
    const std::string name = folder.filename() == "final" ? folder.parent_path().filename().string()
                                                          : folder.filename().string();
    const SeasonForecasts forecasts = season.Forecasts(options);
    line += fmt::format(" | {} division {:.4f} slope {:.2f} play-offs {:.4f}", name,
                        Brier(forecasts.division), CalibrationSlope(forecasts.division),
                        Brier(forecasts.playoffs));
    pooled.division.insert(pooled.division.end(), forecasts.division.begin(),
                           forecasts.division.end());
    pooled.playoffs.insert(pooled.playoffs.end(), forecasts.playoffs.begin(),
                           forecasts.playoffs.end());
  }
  line += fmt::format(" | pooled {:.4f} slope {:.2f} play-offs {:.4f}", Brier(pooled.division),
                      CalibrationSlope(pooled.division), Brier(pooled.playoffs));
  fmt::print("{}\n", line);
}

}  // namespace
}  // namespace tavrin

int main(int argc, char** argv) {
  using namespace tavrin;
  OddsOptions options;
  options.runs = argc > 1 ? std::atoi(argv[1]) : 2000;
  std::vector<std::filesystem::path> folders(argv + std::min(argc, 2), argv + argc);
  if (folders.empty()) {
    for (const char* year : {"1999", "2000"}) {
      folders.push_back(std::filesystem::path(TAVRIN_BENCH_DATA_DIR) / "golden" / year / "final");
    }
  }
  Report("form moving (the odds')", options, folders);
  options.model = GameModel::CoinFlips;
  Report("coin flips", options, folders);
  if (argc > 2) return 0;
  options.model = GameModel::Ratings;
  for (const double spread : {0.0, 2.0, 4.0, 6.0, 8.0}) {
    for (const double drift : {0.0, 1.0, 2.0, 3.0}) {
      options.strength_spread = spread;
      options.weekly_drift = drift;
      Report(fmt::format("ratings spread {:.1f} drift {:.1f}", spread, drift), options, folders);
    }
  }
}
