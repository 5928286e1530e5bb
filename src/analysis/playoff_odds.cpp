#include "analysis/playoff_odds.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "analysis/tiebreakers.h"
#include "engine/prediction.h"
#include "engine/recorded_scores.h"
#include "engine/win_probability.h"
#include "presentation/report_messages.h"
#include "presentation/report_printing.h"
#include "presentation/report_text.h"
#include "season/data_files.h"
#include "season/text_convention.h"

namespace tavrin {

namespace {

constexpr int Slots = LeagueTeamCount + 1;
constexpr int ProgressEvery = 250;

// The standard normal quantile (Acklam's rational approximation, relative error below 1.2e-9):
// turns the uniform number that decided a game into the game's point margin.
double NormalQuantile(double p) {
  constexpr double a[] = {-3.969683028665376e+01, 2.209460984245205e+02,  -2.759285104469687e+02,
                          1.383577518672690e+02,  -3.066479806614716e+01, 2.506628277459239e+00};
  constexpr double b[] = {-5.447609879822406e+01, 1.615858368580409e+02, -1.556989798598866e+02,
                          6.680131188771972e+01, -1.328068155288572e+01};
  constexpr double c[] = {-7.784894002430293e-03, -3.223964580411365e-01, -2.400758277161838e+00,
                          -2.549732539343734e+00, 4.374664141464968e+00,  2.938163982698783e+00};
  constexpr double d[] = {7.784695709041462e-03, 3.224671290700398e-01, 2.445134137142996e+00,
                          3.754408661907416e+00};
  constexpr double tail = 0.02425;
  const auto outer = [&](double q) {
    return (((((c[0] * q + c[1]) * q + c[2]) * q + c[3]) * q + c[4]) * q + c[5]) /
           ((((d[0] * q + d[1]) * q + d[2]) * q + d[3]) * q + 1);
  };
  if (p < tail) return outer(std::sqrt(-2 * std::log(p)));
  if (p > 1 - tail) return -outer(std::sqrt(-2 * std::log(1 - p)));
  const double q = p - 0.5;
  const double r = q * q;
  return (((((a[0] * r + a[1]) * r + a[2]) * r + a[3]) * r + a[4]) * r + a[5]) * q /
         (((((b[0] * r + b[1]) * r + b[2]) * r + b[3]) * r + b[4]) * r + 1);
}

// The home side's predicted margin (negative when the visitor is favoured) as the weekly
// predictions give it: favourite, margin capped and weighted, rounded to half points.
double HomeMargin(const SeasonStore& store, int visitor, int home, PredictionRules rules) {
  const GamePrediction prediction = PredictGame(store, visitor, home, rules);
  const double margin = RoundMargin(prediction.margin);
  if (prediction.favourite == home) return margin;
  return prediction.favourite == visitor ? -margin : 0.0;
}

double HomeWinProbability(double home_margin) {
  const double favourite = FavouriteWinProbability(std::abs(home_margin));
  return home_margin >= 0 ? favourite : 1 - favourite;
}

struct GameToPlay {
  int visitor;
  int home;
  double home_margin;
  double home_win_probability;
};

class SeasonSimulator {
 public:
  SeasonSimulator(const SeasonStore& store, const std::vector<SeasonGame>& games, uint64_t seed)
      : random_(seed) {
    for (const SeasonGame& game : games) {
      if (game.played) {
        played_.AddGame(game.visitor, game.home, game.visitor_points, game.home_points);
      } else {
        const double margin = HomeMargin(store, game.visitor, game.home, {});
        to_play_.push_back({game.visitor, game.home, margin, HomeWinProbability(margin)});
      }
    }
    for (int visitor = 1; visitor < Slots; ++visitor) {
      for (int home = 1; home < Slots; ++home) {
        at_home_[visitor][home] = HomeWinProbability(HomeMargin(store, visitor, home, {}));
        neutral_[visitor][home] = HomeWinProbability(
            HomeMargin(store, visitor, home, PredictionRules{.home_advantage = false}));
      }
    }
  }

  void Run(std::array<TeamOdds, Slots>& odds) {
    *table_ = played_;
    for (const GameToPlay& game : to_play_) PlayRegularGame(game);
    const int afc = PlayConference(league::Conference::Afc, odds);
    const int nfc = PlayConference(league::Conference::Nfc, odds);
    ++odds[afc].final_game;
    ++odds[nfc].final_game;
    ++odds[Winner(afc, nfc, neutral_)].title;
  }

 private:
  using ProbabilityTable = std::array<std::array<double, Slots>, Slots>;

  // One uniform number decides the winner with the game's probability, and its normal quantile
  // gives the point margin the net-point steps need: the real margin spreads around the
  // predicted one by the fitted sigma. Tied games are left out.
  void PlayRegularGame(const GameToPlay& game) {
    const double u = random_.Open01();
    const bool home_wins = u < game.home_win_probability;
    const double margin = game.home_margin - PredictionMarginSigma * NormalQuantile(u);
    const int points = std::max(1, static_cast<int>(std::lround(std::abs(margin))));
    table_->AddGame(game.visitor, game.home, home_wins ? 0 : points, home_wins ? points : 0);
  }

  int Winner(int visitor, int home, const ProbabilityTable& probability) {
    return random_.Open01() < probability[visitor][home] ? home : visitor;
  }

  // Seeds the conference, plays its rounds and returns its champion.
  int PlayConference(league::Conference conference, std::array<TeamOdds, Slots>& odds) {
    const ConferenceSeeds seeds = SeedConference(*table_, conference, random_);
    for (int index = 0; index < 6; ++index) {
      TeamOdds& team = odds[seeds[index]];
      ++team.playoffs;
      ++team.seeds[index];
      if (index < 3) ++team.division;
      if (index < 2) ++team.rest;
    }
    // Seed numbers from here on: 3 hosts 6, 4 hosts 5; then 1 hosts the lowest seed left.
    const auto play = [&](int visiting_seed, int home_seed) {
      const int winner = Winner(seeds[visiting_seed - 1], seeds[home_seed - 1], at_home_);
      return winner == seeds[home_seed - 1] ? home_seed : visiting_seed;
    };
    const int first = play(6, 3);
    const int second = play(5, 4);
    const int lowest = std::max(first, second);
    const int semi_one = play(lowest, 1);
    const int semi_two = play(std::min(first, second), 2);
    const int champion = play(std::max(semi_one, semi_two), std::min(semi_one, semi_two));
    return seeds[champion - 1];
  }

  PlayoffRandom random_;
  LeagueTable played_;
  std::unique_ptr<LeagueTable> table_ = std::make_unique<LeagueTable>();
  std::vector<GameToPlay> to_play_;
  ProbabilityTable at_home_{};
  ProbabilityTable neutral_{};
};

// The team's line: location, record, then each stage and each seed in percent.
std::string OddsLine(const SeasonStore& store, const PlayoffOdds& odds, int team) {
  const TeamOdds& team_odds = odds.teams[team];
  const auto percent = [&](int count) { return OddsPercent(count, odds.runs); };
  std::string line = fmt::format(
      "{:<14}{:>8}{:>9.1f}{:>10.1f}{:>7.1f}{:>7.1f}{:>7.1f}", LocationOf(store, team),
      RecordText(odds.records[team]), percent(team_odds.division), percent(team_odds.playoffs),
      percent(team_odds.rest), percent(team_odds.final_game), percent(team_odds.title));
  for (int count : team_odds.seeds) line += fmt::format("{:>6.1f}", percent(count));
  return line;
}

}  // namespace

PlayoffOdds SimulatePlayoffOdds(const SeasonStore& store, const std::vector<SeasonGame>& games,
                                int played_through, const OddsOptions& options,
                                const OddsProgress& progress) {
  auto odds = std::make_unique<PlayoffOdds>();
  odds->runs = std::max(1, options.runs);
  odds->played_through = played_through;
  for (const SeasonGame& game : games) {
    if (!game.played) continue;
    for (const auto& [team, scored, allowed] :
         {std::tuple{game.visitor, game.visitor_points, game.home_points},
          std::tuple{game.home, game.home_points, game.visitor_points}}) {
      WonLostTied& record = odds->records[team];
      ++(scored > allowed ? record.won : scored < allowed ? record.lost : record.tied);
    }
  }
  auto simulator = std::make_unique<SeasonSimulator>(store, games, options.seed);
  for (int run = 1; run <= odds->runs; ++run) {
    simulator->Run(odds->teams);
    if (progress && (run % ProgressEvery == 0 || run == odds->runs)) progress(run, odds->runs);
  }
  return *odds;
}

std::optional<PlayoffOdds> ShowPlayoffOdds(Session& session, const OddsOptions& options,
                                           const OddsProgress& progress) {
  if (!LoadLastScoredBlock(session)) return std::nullopt;
  SeasonStore& store = session.store;
  const SeasonGames season = LoadSeasonGames(store, session.folder, store.LastScoredWeek);
  if (season.unreadable_week != 0) {
    ShowStatisticsUnavailable(session.ui, season.unreadable_week + 1);
    return std::nullopt;
  }
  session.ui.ShowBusyPointer();
  return SimulatePlayoffOdds(store, season.games, store.LastScoredWeek, options, progress);
}

double OddsPercent(int count, int runs) { return runs > 0 ? 100.0 * count / runs : 0.0; }

std::string RecordText(const WonLostTied& record) {
  if (record.tied == 0) return fmt::format("{}-{}", record.won, record.lost);
  return fmt::format("{}-{}-{}", record.won, record.lost, record.tied);
}

std::vector<std::string> PlayoffOddsLines(const SeasonStore& store, const PlayoffOdds& odds) {
  std::vector<std::string> lines{
      fmt::format("Play-off Odds after Week # {} {}", odds.played_through,
                  YearText(store.WorkingYear)),
      fmt::format("{} seasons simulated; every figure is a percentage", odds.runs)};
  const std::string header = fmt::format(
      "{:<14}{:>8}{:>9}{:>10}{:>7}{:>7}{:>7}{:>6}{:>6}{:>6}{:>6}{:>6}{:>6}", "Team", "Record",
      "Division", "Play-offs", "Rest", "Final", "Title", "#1", "#2", "#3", "#4", "#5", "#6");
  for (std::size_t index = 0; index < league::Divisions.size(); ++index) {
    const auto& division = league::Divisions[index];
    lines.push_back(" ");
    lines.push_back(fmt::format(
        "{} {}", league::ConferenceNames[static_cast<int>(division.conference)], division.name));
    lines.push_back(header);
    std::vector<int> teams;
    for (int team = division.first_team; team <= division.last_team; ++team) teams.push_back(team);
    std::stable_sort(teams.begin(), teams.end(), [&](int a, int b) {
      const TeamOdds& first = odds.teams[a];
      const TeamOdds& second = odds.teams[b];
      return std::tie(first.playoffs, first.division, first.title) >
             std::tie(second.playoffs, second.division, second.title);
    });
    for (int team : teams) lines.push_back(OddsLine(store, odds, team));
  }
  return lines;
}

void PrintPlayoffOdds(Session& session, const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  Printer* printer = StartReportPrint(session, "Ready to send Play-off Odds to the Printer.");
  if (printer == nullptr) return;
  // The widest report: a small size keeps its hundred columns on a portrait page.
  SetReportFont(*printer, session.store, 8);
  printer->PrintLine(" ");
  for (const std::string& line : lines) printer->PrintLine("    " + line);
  printer->EndDocument();
}

}  // namespace tavrin
