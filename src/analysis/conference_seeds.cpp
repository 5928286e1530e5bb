#include "analysis/conference_seeds.h"

#include <fmt/format.h>

#include <algorithm>

#include "analysis/played_games.h"
#include "analysis/season_games.h"
#include "analysis/tiebreakers.h"
#include "league/league_standings.h"
#include "platform/messages.h"
#include "presentation/report_messages.h"
#include "presentation/report_text.h"
#include "season/text_convention.h"

namespace tavrin {

namespace {

constexpr std::size_t DivisionWinnerSeeds = 3;  // of the 31-team league's six a conference

// "Miami", "Miami and Buffalo", "Miami, Buffalo and Denver".
std::string TeamList(const SeasonStore& store, const std::vector<int>& teams) {
  std::string text;
  for (std::size_t i = 0; i < teams.size(); ++i) {
    if (i > 0) text += i + 1 == teams.size() ? " and " : ", ";
    text += LocationOf(store, teams[i]);
  }
  return text;
}

// A seed with the step that placed it; ShowConferenceSeeds adds the record and code.
SeedLine Seeded(std::size_t conference, std::size_t seed, int team, std::string reason) {
  return {
      static_cast<int>(conference), static_cast<int>(seed), team, 0, 0, 0, "", std::move(reason)};
}

// The 31-team league's seeding, which the play-off odds play out. A seed was taken by record
// when no club still in the running for it (the later division winners for seeds 1 to 3, the
// clubs not yet seeded for the wild cards) had its percentage, and otherwise over those that
// had by the step the seeding names.
std::vector<SeedLine> SixDivisionSeeds(const SeasonStore& store, const ClubRecords& records,
                                       const std::vector<PlayedGame>& played) {
  const SeasonLeague& league = records.league();
  LeagueTable table;
  for (const PlayedGame& game : played) {
    table.AddGame(game.visitor, game.home, game.visitor_points, game.home_points);
  }
  std::vector<SeedLine> lines;
  PlayoffRandom random(static_cast<uint64_t>(league.year));
  for (const league::Conference conference : {league::Conference::Afc, league::Conference::Nfc}) {
    SeedDeciders deciders;
    const ConferenceSeeds seeds = SeedConference(table, conference, random, &deciders);
    for (std::size_t at = 0; at < seeds.size(); ++at) {
      const auto seeded_by = [&](std::size_t count, int team) {
        return std::find(seeds.begin(), seeds.begin() + count, team) != seeds.begin() + count;
      };
      std::vector<int> level;
      for (int team = 1; team <= league.team_count(); ++team) {
        const bool in_running = league.ConferenceOf(team) == conference &&
                                !seeded_by(at + 1, team) &&
                                seeded_by(DivisionWinnerSeeds, team) == (at < DivisionWinnerSeeds);
        if (in_running &&
            records.Overall(team).Percentage() == records.Overall(seeds[at]).Percentage()) {
          level.push_back(team);
        }
      }
      const std::string reason = level.empty()
                                     ? "record"
                                     : fmt::format("{} over {}: {}", LocationOf(store, seeds[at]),
                                                   TeamList(store, level), deciders[at]);
      lines.push_back(Seeded(static_cast<std::size_t>(conference), at + 1, seeds[at], reason));
    }
  }
  return lines;
}

std::vector<SeedLine> EightDivisionSeeds(const ClubRecords& records) {
  const SeasonLeague& league = records.league();
  const LeagueStandings standings = RankLeague(records, SeasonDraw(league.year));
  std::vector<SeedLine> lines;
  for (std::size_t conference = 0; conference < standings.seeds.size(); ++conference) {
    std::size_t seed = 0;
    for (const Placement& placement : standings.seeds[conference]) {
      lines.push_back(
          Seeded(conference, ++seed, placement.team, PlacementReason(league, placement)));
    }
  }
  return lines;
}

}  // namespace

std::optional<std::vector<SeedLine>> ShowConferenceSeeds(Session& session, int week) {
  const SeasonStore& store = session.store;
  if (week < 1 || week > store.LastScoredWeek) {
    session.ui.ShowMessage(
        store.LastScoredWeek < 1
            ? std::string("No week has been scored yet: the seeds follow the scored weeks.")
            : fmt::format("Week # {} has not been scored: the seeds can be shown after week 1 "
                          "to week {}.",
                          week, store.LastScoredWeek),
        ProgramCaption, MessageIcon::Exclamation);
    return std::nullopt;
  }
  const SeasonGames season = LoadSeasonGames(store, session.folder, week);
  if (season.unreadable_week != 0) {
    ShowStatisticsUnavailable(session.ui, season.unreadable_week + 1);
    return std::nullopt;
  }
  // The years before 1999 are the 31-team league's too.
  const SeasonLeague league = *LeagueOf(std::max<int>(store.WorkingYear, FirstLeagueYear));
  const std::vector<PlayedGame> played = PlayedGamesOf(season.games);
  const ClubRecords records(league, played);
  std::vector<SeedLine> seeds = league.rules == SeedingRules::SixDivisions
                                    ? SixDivisionSeeds(store, records, played)
                                    : EightDivisionSeeds(records);
  for (SeedLine& line : seeds) {
    const ClubRecord& record = records.Overall(line.team);
    line.won = record.wins;
    line.lost = record.losses();
    line.tied = record.ties;
    line.code = league.Team(line.team).code;
  }
  return seeds;
}

std::vector<std::string> ConferenceSeedLines(const SeasonStore& store, int week,
                                             const std::vector<SeedLine>& seeds) {
  std::vector<std::string> lines{
      fmt::format("Tavrin {} Seeds after Week {}", YearText(store.WorkingYear), week)};
  int conference = -1;
  for (const SeedLine& line : seeds) {
    if (line.conference != conference) {
      conference = line.conference;
      lines.emplace_back();
      lines.emplace_back(league::ConferenceNames[static_cast<std::size_t>(conference)]);
    }
    lines.push_back(fmt::format("{:>2}  {:<12}  {:<3}  {:>2}-{:>2}-{}  {}", line.seed,
                                LocationOf(store, line.team), line.code, line.won, line.lost,
                                line.tied, line.reason));
  }
  return lines;
}

std::vector<std::string> ConferenceSeedsCsv(const SeasonStore& store,
                                            const std::vector<SeedLine>& seeds) {
  std::vector<std::string> lines{"conference,seed,team,code,won,lost,tied,reason"};
  for (const SeedLine& line : seeds) {
    lines.push_back(fmt::format("{},{},{},{},{},{},{},{}",
                                league::ConferenceNames[static_cast<std::size_t>(line.conference)],
                                line.seed, CsvField(LocationOf(store, line.team)), line.code,
                                line.won, line.lost, line.tied, CsvField(line.reason)));
  }
  return lines;
}

}  // namespace tavrin
