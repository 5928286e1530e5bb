#include "demo/demo_season.h"

#include <fmt/format.h>

#include "demo/demo_random.h"
#include "demo/demo_schedule.h"
#include "demo/demo_scores.h"
#include "demo/demo_teams.h"
#include "demo/demo_ui.h"
#include "demo/divisions_of_four_schedule.h"
#include "demo/first_season_start.h"
#include "engine/results_processing.h"
#include "entry/league_crossing.h"
#include "entry/new_season.h"
#include "entry/schedule_save.h"
#include "entry/score_entry.h"
#include "entry/settings_update.h"
#include "league/season_league.h"
#include "season/data_files.h"

namespace tavrin::demo {
namespace {

constexpr int DemoReactivity = 100;
constexpr int DemoWeighting = 100;

bool OfThirtyOneTeams(int year) { return TeamCountOfYear(year) == LeagueTeamCount; }

int WeeksOf(int year) { return OfThirtyOneTeams(year) ? DemoWeekCount : LeagueOf(year)->weeks; }

// A failed step, with whatever the commands told the user on the way.
Failure StepFailed(DemoUi& ui, const std::string& step) {
  const std::string messages = ui.TakeMessages();
  return {messages.empty() ? step : step + ": " + messages};
}

Outcome<void> SetYear(Session& session, DemoUi& ui, int year) {
  const SettingsForm form{std::to_string(year), std::to_string(WeeksOf(year)), DemoReactivity,
                          DemoWeighting};
  if (ApplySettings(session, form) != CommandResult::Done)
    return StepFailed(ui, fmt::format("the settings for {} could not be saved", year));
  return {};
}

// The 31-team league by the demo's own names, the 32-team league by its year's.
Outcome<void> WriteTeamNames(Session& session, DemoUi& ui) {
  SeasonStore& store = session.store;
  const auto league = LeagueOf(store.WorkingYear);
  for (int team = 1; team <= SeasonTeamCount(store); ++team) {
    const bool own = OfThirtyOneTeams(store.WorkingYear);
    store.LocationName[team] = own ? DemoTeams()[team - 1].location : league->Team(team).location;
    store.TeamName[team] = own ? DemoTeams()[team - 1].nickname : league->Team(team).nickname;
  }
  if (auto written = WriteNames(session.store, session.folder); !written)
    return StepFailed(ui, "the team names could not be saved: " + written.failure());
  return {};
}

// Every week entered as the schedule entry window saves it.
Outcome<void> EnterSchedule(Session& session, DemoUi& ui, uint64_t seed) {
  const int year = session.store.WorkingYear;
  const std::vector<DemoWeek> season =
      OfThirtyOneTeams(year) ? MakeDemoSchedule(seed)
                             : MakeDivisionsOfFourSchedule(seed, LeagueOf(year)->games_per_team);
  if (season.empty()) return Failure{"no schedule could be drawn for this seed"};
  for (int week = 1; week <= static_cast<int>(season.size()); ++week) {
    std::vector<ScheduledGame> games;
    for (const DemoGame& game : season[week - 1])
      games.push_back({static_cast<int16_t>(game.first), static_cast<int16_t>(game.second),
                       static_cast<int16_t>(game.day)});
    if (!SaveScheduleWeek(session, std::to_string(week), games))
      return StepFailed(
          ui, fmt::format("week {} of {} could not be saved", week, session.store.WorkingYear));
  }
  ui.TakeMessages();  // the saves' confirmations
  return {};
}

// Score entry for the week, with the simulated final scores typed into its boxes.
Outcome<void> ScoreWeek(Session& session, DemoUi& ui, int week, const LeagueStrengths& strengths,
                        DemoRandom& rng) {
  const SeasonStore& store = session.store;
  if (!OpenScoreEntry(session, week))
    return StepFailed(
        ui, fmt::format("score entry for week {} of {} did not open", week, store.WorkingYear));
  std::vector<ScoreTexts> scores;
  for (int game = 1; game <= store.WeekGameCount; ++game) {
    const FinalScore score =
        SimulateGame(strengths, store.GameFirstTeam[game], store.GameSecondTeam[game], rng);
    scores.push_back({std::to_string(score.first), std::to_string(score.second)});
  }
  if (EnterScores(session, week, scores) != CommandResult::Done)
    return StepFailed(
        ui, fmt::format("the scores of week {} of {} were not processed", week, store.WorkingYear));
  return {};
}

Outcome<void> ScoreWeeks(Session& session, DemoUi& ui, int weeks, const LeagueStrengths& strengths,
                         DemoRandom& rng) {
  for (int week = 1; week <= weeks; ++week)
    if (auto scored = ScoreWeek(session, ui, week, strengths, rng); !scored) return scored;
  return {};
}

Outcome<void> PlayLastSeason(Session& session, DemoUi& ui, int year, uint64_t schedule_seed,
                             const LeagueStrengths& strengths, DemoRandom& rng) {
  if (auto done = SetYear(session, ui, year); !done) return done;
  if (auto done = WriteTeamNames(session, ui); !done) return done;
  if (auto done = EnterSchedule(session, ui, schedule_seed); !done) return done;
  if (!WriteFirstSeasonStart(session))
    return StepFailed(ui, fmt::format("the start of {} could not be written", year));
  return ScoreWeeks(session, ui, WeeksOf(year), strengths, rng);
}

Outcome<void> StartNewSeason(Session& session, DemoUi& ui, int year, uint64_t schedule_seed) {
  if (auto done = SetYear(session, ui, year); !done) return done;
  if (auto done = EnterSchedule(session, ui, schedule_seed); !done) return done;
  if (RunNewSeasonSetup(session) != CommandResult::Done)
    return StepFailed(ui, fmt::format("the new season setup for {} did not finish", year));
  return {};
}

// Last season's strengths in the numbering of `year`'s league: each club keeps its own, and a
// club new to the league is drawn.
LeagueStrengths InLeagueOf(int year, const LeagueStrengths& last, DemoRandom& rng) {
  const auto crossing = CrossingInto(year);
  if (!crossing) return last;
  LeagueStrengths renumbered{};
  for (int team = 1; team <= crossing->next.team_count(); ++team) {
    const int former = crossing->former_teams[team];
    renumbered[team] = former != 0 ? last[former] : DrawStrengths(rng, 1)[1];
  }
  return renumbered;
}

}  // namespace

Outcome<void> CheckDemoOptions(const DemoOptions& options) {
  if (options.year < FirstDemoYear || options.year > LastDemoYear)
    return Failure{fmt::format("the year must lie between {} and {}", FirstDemoYear, LastDemoYear)};
  if (options.weeks_played < 0 || options.weeks_played > WeeksOf(options.year))
    return Failure{
        fmt::format("the weeks played must lie between 0 and {}", WeeksOf(options.year))};
  return {};
}

Outcome<void> MakeDemoSeason(const std::filesystem::path& folder, const DemoOptions& options,
                             UserInterface& ui) {
  if (auto usable = CheckDemoOptions(options); !usable) return usable;
  SeasonStore store;
  DemoUi demo_ui(ui, WeeksOf(options.year - 1));
  Session session{store, demo_ui, folder};

  // One stream per purpose, so that changing how one is used leaves the others as they were.
  DemoRandom seeds(options.seed);
  const uint64_t last_schedule_seed = seeds.Next();
  const uint64_t new_schedule_seed = seeds.Next();
  DemoRandom strength_rng(seeds.Next());
  DemoRandom last_scores(seeds.Next());
  DemoRandom new_scores(seeds.Next());
  const LeagueStrengths last_strengths =
      DrawStrengths(strength_rng, TeamCountOfYear(options.year - 1));
  const LeagueStrengths new_strengths =
      NextSeasonStrengths(InLeagueOf(options.year, last_strengths, strength_rng), strength_rng,
                          TeamCountOfYear(options.year));

  if (auto played = PlayLastSeason(session, demo_ui, options.year - 1, last_schedule_seed,
                                   last_strengths, last_scores);
      !played)
    return played;
  if (auto started = StartNewSeason(session, demo_ui, options.year, new_schedule_seed); !started)
    return started;
  return ScoreWeeks(session, demo_ui, options.weeks_played, new_strengths, new_scores);
}

}  // namespace tavrin::demo
