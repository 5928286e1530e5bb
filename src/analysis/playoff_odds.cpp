#include "analysis/playoff_odds.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <tuple>

#include "analysis/played_games.h"
#include "analysis/team_form.h"
#include "analysis/tiebreakers.h"
#include "engine/prediction.h"
#include "engine/recorded_scores.h"
#include "engine/win_probability.h"
#include "league/league_standings.h"
#include "platform/messages.h"
#include "presentation/report_messages.h"
#include "presentation/report_printing.h"
#include "presentation/report_text.h"
#include "season/data_files.h"
#include "season/text_convention.h"

namespace tavrin {

// How the runs play the games left, measured with bench/odds_calibration.cpp (10,000 runs,
// weeks 4 to 16 of the recorded 1999 and 2000 seasons; division Brier, its calibration slope and
// play-off Brier in 1999, in 2000, and both pooled):
//                                   1999                  2000                  both
//   form moving in each run (odds)  0.0738 1.03 0.0764    0.0729 0.96 0.0773    0.0733 0.99 0.0769
//   the same form held for a run    0.0811 0.74 0.0776    0.0748 0.62 0.0837    0.0780 0.67 0.0807
//   half the net points, held       0.0758 1.11 0.0759    0.0824 0.93 0.0808    0.0791 1.00 0.0784
//   ratings held fixed              0.0783 1.01 0.0755    0.1011 0.46 0.0956    0.0897 0.62 0.0855
//   ratings, spread 4 drift 2       0.0779 1.29 0.0798    0.0971 0.67 0.0965    0.0875 0.87 0.0881
//   every game a coin flip          0.0874 1.28 0.0943    0.0786 1.40 0.1064    0.0830 1.34 0.1003
// A team's form (team_form.h) moves with each game a run plays, as the real games will move it:
// a run in which a team wins its next games goes on with a stronger team, so the runs spread as
// widely as the seasons its form can still lead to. Held for the whole run, the same form is
// over-confident. Drawing each run's strengths around the ratings, and letting them drift week by
// week, is the other way to carry a rating's uncertainty forward; but the ratings carry last
// season into this one, and in 2000 that misled: last season's best teams kept their ratings
// while others won their divisions, and no spread or drift brought the division odds near the
// coin flips'. The record in the form gives the teams that win their close games their due, as
// 2000's division winners did.
const double StrengthSpread = 4.0;
const double StrengthWeeklyDrift = 2.0;

namespace {

constexpr int Slots = MostLeagueTeams + 1;
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
  int week;
  int visitor;
  int home;
  std::optional<PickedResult> pick;
};

const PickedGame* PickFor(const SeasonGame& game, const std::vector<PickedGame>& picks) {
  for (const PickedGame& pick : picks) {
    if (pick.week == game.week && pick.visitor == game.visitor && pick.home == game.home) {
      return &pick;
    }
  }
  return nullptr;
}

using SeedOrder = std::array<int, MostSeedsPerConference>;

class SeasonSimulator {
 public:
  SeasonSimulator(const SeasonStore& store, const std::vector<SeasonGame>& games,
                  const OddsOptions& options)
      : league_(OddsLeague(store)),
        by_procedures_(league_.rules == SeedingRules::EightDivisions),
        division_seeds_(static_cast<int>(league_.divisions.size()) / 2),
        random_(options.seed),
        spread_(options.model == GameModel::Ratings ? options.strength_spread : 0.0),
        drift_(options.model == GameModel::Ratings ? options.weekly_drift : 0.0),
        form_moves_(options.model == GameModel::Form) {
    for (const SeasonGame& game : games) {
      if (game.played) {
        if (!by_procedures_) {
          played_.AddGame(game.visitor, game.home, game.visitor_points, game.home_points);
        }
      } else {
        const PickedGame* pick = PickFor(game, options.picks);
        to_play_.push_back({game.week, game.visitor, game.home,
                            pick ? std::optional(pick->result) : std::nullopt});
      }
    }
    if (by_procedures_) played_games_ = PlayedGamesOf(games);
    for (int team = 1; team <= league_.team_count(); ++team) {
      today_form_[team] = TeamForm::Of(store, team);
    }
    if (options.model != GameModel::Ratings) return;  // a coin flip's margin is 0
    for (int visitor = 1; visitor <= league_.team_count(); ++visitor) {
      for (int home = 1; home <= league_.team_count(); ++home) {
        at_home_[visitor][home] = HomeMargin(store, visitor, home, {.home_advantage = true});
        neutral_[visitor][home] = HomeMargin(store, visitor, home, {.home_advantage = false});
      }
    }
  }

  void Run(std::array<TeamOdds, Slots>& odds) {
    if (by_procedures_) {
      run_games_ = played_games_;
    } else {
      *table_ = played_;
    }
    form_ = today_form_;
    DrawStrengths();
    int week = to_play_.empty() ? 0 : to_play_.front().week;
    for (const GameToPlay& game : to_play_) {
      for (; week < game.week; ++week) DriftStrengths();
      PlayRegularGame(game);
    }
    if (by_procedures_) standings_ = RankLeague(ClubRecords(league_, run_games_), draw_);
    const int afc = PlayConference(league::Conference::Afc, odds);
    const int nfc = PlayConference(league::Conference::Nfc, odds);
    ++odds[afc].final_game;
    ++odds[nfc].final_game;
    ++odds[Winner(afc, nfc, false)].title;
  }

 private:
  using MarginTable = std::array<std::array<double, Slots>, Slots>;

  // A run's true strengths: each team's rating is off by an amount it keeps for the run, and
  // moves a little more each week, so that a team's games of one run are not independent
  // draws around the same fixed rating. Nothing is drawn when both spreads are 0.
  void DrawStrengths() {
    if (spread_ == 0) {
      strength_.fill(0.0);  // what the last run's drift left behind
      return;
    }
    for (int team = 1; team <= league_.team_count(); ++team) {
      strength_[team] = spread_ * NormalQuantile(Open());
    }
  }
  void DriftStrengths() {
    if (drift_ == 0) return;
    for (int team = 1; team <= league_.team_count(); ++team) {
      strength_[team] += drift_ * NormalQuantile(Open());
    }
  }
  double Open() { return random_.Open01(); }

  // The home side's margin in this run: by the teams' form as the run has moved it, or by the
  // margin fixed today and the run's strengths.
  double RunMargin(int visitor, int home, bool home_field) const {
    if (form_moves_) return FormHomeMargin(form_[visitor], form_[home], home_field);
    const MarginTable& margins = home_field ? at_home_ : neutral_;
    return margins[visitor][home] + strength_[home] - strength_[visitor];
  }

  // One uniform number decides the winner with the game's probability, and its normal quantile
  // gives the point margin the net-point steps need: the real margin spreads around the
  // predicted one by the fitted sigma. Tied games are left out, unless picked. A picked winner
  // draws its number from its own side of the probability, so the margin fits the result.
  void PlayRegularGame(const GameToPlay& game) {
    double u = Open();
    if (game.pick == PickedResult::Tie) {
      AddGame(game.visitor, game.home, 0, 0);
      return;
    }
    const double home_margin = RunMargin(game.visitor, game.home, true);
    const double home_win_probability = HomeWinProbability(home_margin);
    if (game.pick == PickedResult::HomeWins) u *= home_win_probability;
    if (game.pick == PickedResult::VisitorWins) {
      u = home_win_probability + u * (1 - home_win_probability);
    }
    const bool home_wins = u < home_win_probability;
    const double margin = home_margin - PredictionMarginSigma * NormalQuantile(u);
    const int points = std::max(1, static_cast<int>(std::lround(std::abs(margin))));
    AddGame(game.visitor, game.home, home_wins ? 0 : points, home_wins ? points : 0);
  }

  void AddGame(int visitor, int home, int visitor_points, int home_points) {
    form_[visitor].AddGame(visitor_points, home_points);
    form_[home].AddGame(home_points, visitor_points);
    if (by_procedures_) {
      run_games_.push_back({visitor, home, visitor_points, home_points});
    } else {
      table_->AddGame(visitor, home, visitor_points, home_points);
    }
  }

  int Winner(int visitor, int home, bool home_field) {
    return Open() < HomeWinProbability(RunMargin(visitor, home, home_field)) ? home : visitor;
  }

  // A conference's seeds, seed 1 first: the 31-team league's by its own seeding, which draws
  // its lots as the conference is seeded; a larger league's from the run's standings.
  SeedOrder SeedsOf(league::Conference conference) {
    SeedOrder order{};
    if (by_procedures_) {
      const auto& seeds = standings_.seeds[conference == league::Conference::Afc ? 0 : 1];
      for (std::size_t index = 0; index < seeds.size() && index < order.size(); ++index) {
        order[index] = seeds[index].team;
      }
    } else {
      const ConferenceSeeds seeds = SeedConference(*table_, conference, random_);
      std::copy(seeds.begin(), seeds.end(), order.begin());
    }
    return order;
  }

  // Seeds the conference, plays its rounds and returns its champion.
  int PlayConference(league::Conference conference, std::array<TeamOdds, Slots>& odds) {
    const SeedOrder seeds = SeedsOf(conference);
    const int seed_count = league_.seeds_per_conference;
    for (int index = 0; index < seed_count; ++index) {
      TeamOdds& team = odds[seeds[index]];
      ++team.playoffs;
      ++team.seeds[index];
      if (index < division_seeds_) ++team.division;
      if (index < league_.resting_seeds) ++team.rest;
    }
    // By seed numbers: in each round the best seed left hosts the lowest, the second best the
    // second lowest, and so on; the resting seeds join in the second round.
    const auto play = [&](int visiting_seed, int home_seed) {
      const int winner = Winner(seeds[visiting_seed - 1], seeds[home_seed - 1], true);
      return winner == seeds[home_seed - 1] ? home_seed : visiting_seed;
    };
    SeedOrder round{};
    int in_round = 0;
    for (int seed = league_.resting_seeds + 1; seed <= seed_count; ++seed) round[in_round++] = seed;
    bool first_round = true;
    while (in_round > 1) {
      SeedOrder next{};
      int in_next = 0;
      if (first_round) {
        for (int seed = 1; seed <= league_.resting_seeds; ++seed) next[in_next++] = seed;
      }
      for (int game = 0; game < in_round / 2; ++game) {
        next[in_next++] = play(round[in_round - 1 - game], round[game]);
      }
      std::sort(next.begin(), next.begin() + in_next);
      round = next;
      in_round = in_next;
      first_round = false;
    }
    return seeds[round[0] - 1];
  }

  SeasonLeague league_;
  bool by_procedures_;  // seeded by the 32-team league's procedures
  int division_seeds_;  // the seeds that go to division winners
  LeagueStandings standings_;
  std::vector<PlayedGame> played_games_;
  std::vector<PlayedGame> run_games_;
  DrawLots draw_ = [this](std::span<const int> clubs) {
    return static_cast<std::size_t>(random_.Below(static_cast<int>(clubs.size())));
  };
  PlayoffRandom random_;
  double spread_;
  double drift_;
  bool form_moves_;
  std::array<TeamForm, Slots> today_form_{};
  std::array<TeamForm, Slots> form_{};
  LeagueTable played_;
  std::unique_ptr<LeagueTable> table_ = std::make_unique<LeagueTable>();
  std::vector<GameToPlay> to_play_;
  std::array<double, Slots> strength_{};
  MarginTable at_home_{};
  MarginTable neutral_{};
};

constexpr std::string_view ProvenMarks = " zyxe";  // by OddsStatus
constexpr std::size_t HundredColumns = 100;        // the widest line of six seeds

// The team's line: its mark, location, record, then each stage and each seed in percent.
std::string OddsLine(const SeasonStore& store, const PlayoffOdds& odds, int team) {
  const auto texts = TeamOddsTexts(odds, team);
  std::string line =
      fmt::format("{:<2}{:<14}{:>8}{:>9}{:>10}{:>7}{:>7}{:>7}",
                  StatusMark(StatusOf(odds.proven[team])), LocationOf(store, team),
                  RecordText(odds.records[team]), texts[0], texts[1], texts[2], texts[3], texts[4]);
  for (std::size_t seed = 5; seed < texts.size(); ++seed) line += fmt::format("{:>6}", texts[seed]);
  return line;
}

// The played games with the picked ones as played: what the proofs may take as settled. A
// picked result carries no margin, so only the proof by records may use it.
std::vector<SeasonGame> WithPicksPlayed(const std::vector<SeasonGame>& games,
                                        const std::vector<PickedGame>& picks) {
  std::vector<SeasonGame> settled = games;
  for (SeasonGame& game : settled) {
    const PickedGame* pick = game.played ? nullptr : PickFor(game, picks);
    if (pick == nullptr) continue;
    game.played = true;
    game.visitor_points = pick->result == PickedResult::VisitorWins;
    game.home_points = pick->result == PickedResult::HomeWins;
  }
  return settled;
}

double RecordPercentage(const WonLostTied& record) {
  const int games = record.won + record.lost + record.tied;
  return games == 0 ? 0.0 : (2.0 * record.won + record.tied) / (2.0 * games);
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
  for (const SeasonGame& game : games) {
    if (!game.played) odds->unplayed.push_back(game);
  }
  odds->picked_games = static_cast<int>(options.picks.size());
  const SeasonLeague league = OddsLeague(store);
  odds->team_count = league.team_count();
  odds->seeds_per_conference = league.seeds_per_conference;
  odds->proven =
      ProvePlayoffStages(league, WithPicksPlayed(games, options.picks), options.picks.empty());
  auto simulator = std::make_unique<SeasonSimulator>(store, games, options);
  for (int run = 1; run <= odds->runs; ++run) {
    simulator->Run(odds->teams);
    if (progress && (run % ProgressEvery == 0 || run == odds->runs)) progress(run, odds->runs);
  }
  return *odds;
}

std::optional<PlayoffOdds> ShowPlayoffOdds(Session& session, const OddsOptions& options,
                                           const OddsProgress& progress) {
  SeasonStore& store = session.store;
  if (!LoadLastScoredBlock(session)) return std::nullopt;
  const SeasonGames season = LoadSeasonGames(store, session.folder, store.LastScoredWeek);
  if (season.unreadable_week != 0) {
    ShowStatisticsUnavailable(session.ui, season.unreadable_week + 1);
    return std::nullopt;
  }
  if (const auto unknown = UnknownPicks(store, season.games, options.picks); !unknown.empty()) {
    std::string text = "Cannot Complete Action....";
    for (const std::string& line : unknown) text += "\n\r" + line + ".";
    session.ui.ShowMessage(text, ProgramCaption, MessageIcon::Exclamation);
    return std::nullopt;
  }
  session.ui.ShowBusyPointer();
  return SimulatePlayoffOdds(store, season.games, store.LastScoredWeek, options, progress);
}

SeasonLeague OddsLeague(const SeasonStore& store) {
  if (SeasonTeamCount(store) == LeagueTeamCount) return *LeagueOf(FirstLeagueYear);
  return *LeagueOf(std::max<int>(store.WorkingYear, FirstThirtyTwoTeamYear));
}

std::vector<std::string> UnknownPicks(const SeasonStore& store,
                                      const std::vector<SeasonGame>& games,
                                      const std::vector<PickedGame>& picks) {
  std::vector<std::string> unknown;
  for (const PickedGame& pick : picks) {
    const bool found = std::any_of(games.begin(), games.end(), [&](const SeasonGame& game) {
      return !game.played && game.week == pick.week && game.visitor == pick.visitor &&
             game.home == pick.home;
    });
    if (!found) {
      unknown.push_back(fmt::format("week {} has no game left of {} at {}", pick.week,
                                    LocationOf(store, pick.visitor), LocationOf(store, pick.home)));
    }
  }
  return unknown;
}

double OddsPercent(int count, int runs) { return runs > 0 ? 100.0 * count / runs : 0.0; }

std::string OddsFigureText(int count, int runs, bool proven_in, bool proven_out) {
  if (proven_in) return "100.0";
  if (proven_out) return "0.0";
  const std::string text = fmt::format("{:.1f}", OddsPercent(count, runs));
  if (text == "100.0") return ">99.9";
  if (text == "0.0") return "<0.1";
  return text;
}

std::vector<std::string> TeamOddsTexts(const PlayoffOdds& odds, int team) {
  const TeamOdds& figures = odds.teams[team];
  const ProvenStages& proven = odds.proven[team];
  const bool out = proven.out_of_playoffs;
  const auto text = [&](int count, bool in, bool out_of_stage) {
    return OddsFigureText(count, odds.runs, in, out || out_of_stage);
  };
  std::vector<std::string> texts{text(figures.division, proven.division, proven.out_of_division),
                                 text(figures.playoffs, proven.playoffs, false),
                                 text(figures.rest, proven.rest, proven.out_of_rest),
                                 text(figures.final_game, false, false),
                                 text(figures.title, false, false)};
  for (int seed = 1; seed <= odds.seeds_per_conference; ++seed) {
    const bool known = proven.seed != 0;
    texts.push_back(
        text(figures.seeds[seed - 1], known && proven.seed == seed, known && proven.seed != seed));
  }
  return texts;
}

std::string_view StatusMark(OddsStatus status) {
  const auto index = static_cast<std::size_t>(status);
  return index == 0 ? std::string_view() : ProvenMarks.substr(index, 1);
}

std::array<std::string_view, 2> StatusLegend() {
  return {
      "z first-round rest clinched   y division clinched   x play-off place clinched   "
      "e eliminated",
      ">99.9 and <0.1: not proven, only sampled"};
}

bool ListsBefore(const SeasonStore& store, const PlayoffOdds& odds, int a, int b) {
  const TeamOdds& first = odds.teams[a];
  const TeamOdds& second = odds.teams[b];
  const auto key = [&](const TeamOdds& figures, int team) {
    return std::tuple(figures.playoffs, figures.division, figures.title,
                      RecordPercentage(odds.records[team]));
  };
  if (key(first, a) != key(second, b)) return key(first, a) > key(second, b);
  return LocationOf(store, a) < LocationOf(store, b);
}

std::vector<std::string> PlayoffOddsCsv(const SeasonStore& store, const PlayoffOdds& odds) {
  static constexpr std::array<std::string_view, 5> StatusWords{
      "", "clinched-rest", "clinched-division", "clinched-playoffs", "eliminated"};
  const SeasonLeague league = OddsLeague(store);
  std::string header =
      "team,conference,division,won,lost,tied,p_division,p_playoffs,p_rest,p_final,p_title,";
  for (int seed = 1; seed <= odds.seeds_per_conference; ++seed) {
    header += fmt::format("p_seed{},", seed);
  }
  std::vector<std::string> lines{header + "status"};
  const auto fraction = [&](int count) {
    return fmt::format("{:.4f}", static_cast<double>(count) / odds.runs);
  };
  for (int team = 1; team <= odds.team_count; ++team) {
    const TeamOdds& figures = odds.teams[team];
    const WonLostTied& record = odds.records[team];
    const auto& division = league.divisions[static_cast<std::size_t>(league.DivisionIndexOf(team))];
    std::string line = fmt::format("{},{},{},{},{},{}", CsvField(LocationOf(store, team)),
                                   league::ConferenceNames[static_cast<int>(division.conference)],
                                   division.name, record.won, record.lost, record.tied);
    for (int count :
         {figures.division, figures.playoffs, figures.rest, figures.final_game, figures.title}) {
      line += "," + fraction(count);
    }
    for (int seed = 0; seed < odds.seeds_per_conference; ++seed) {
      line += "," + fraction(figures.seeds[static_cast<std::size_t>(seed)]);
    }
    line += fmt::format(",{}", StatusWords[static_cast<std::size_t>(StatusOf(odds.proven[team]))]);
    lines.push_back(std::move(line));
  }
  return lines;
}

std::string RecordText(const WonLostTied& record) {
  if (record.tied == 0) return fmt::format("{}-{}", record.won, record.lost);
  return fmt::format("{}-{}-{}", record.won, record.lost, record.tied);
}

std::vector<std::string> PlayoffOddsLines(const SeasonStore& store, const PlayoffOdds& odds) {
  std::vector<std::string> lines{
      fmt::format("Play-off Odds after Week # {} {}", odds.played_through,
                  YearText(store.WorkingYear)),
      fmt::format("{} seasons simulated; every figure is a percentage{}", odds.runs,
                  odds.picked_games == 0
                      ? ""
                      : fmt::format("; {} game results picked (what if?)", odds.picked_games))};
  std::string header = fmt::format("{:<2}{:<14}{:>8}{:>9}{:>10}{:>7}{:>7}{:>7}", "", "Team",
                                   "Record", "Division", "Play-offs", "Rest", "Final", "Title");
  for (int seed = 1; seed <= odds.seeds_per_conference; ++seed) {
    header += fmt::format("{:>6}", fmt::format("#{}", seed));
  }
  for (const league::Division& division : OddsLeague(store).divisions) {
    lines.push_back(" ");
    lines.push_back(fmt::format(
        "{} {}", league::ConferenceNames[static_cast<int>(division.conference)], division.name));
    lines.push_back(header);
    std::vector<int> teams;
    for (int team = division.first_team; team <= division.last_team; ++team) teams.push_back(team);
    std::sort(teams.begin(), teams.end(),
              [&](int a, int b) { return ListsBefore(store, odds, a, b); });
    for (int team : teams) lines.push_back(OddsLine(store, odds, team));
  }
  lines.push_back(" ");
  for (std::string_view line : StatusLegend()) lines.emplace_back(line);
  return lines;
}

void PrintPlayoffOdds(Session& session, const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  Printer* printer = StartReportPrint(session, "Ready to send Play-off Odds to the Printer.");
  if (printer == nullptr) return;
  // The widest report: a small size keeps its hundred columns on a portrait page, and a smaller
  // one the seventh seed's column.
  std::size_t columns = 0;
  for (const std::string& line : lines) columns = std::max(columns, line.size());
  SetReportFont(*printer, session.store,
                columns > HundredColumns ? 8.0 * HundredColumns / static_cast<double>(columns) : 8);
  printer->PrintLine(" ");
  for (const std::string& line : lines) printer->PrintLine("    " + line);
  printer->EndDocument();
}

}  // namespace tavrin
