#include "league/tiebreak_steps.h"

#include <algorithm>

namespace tavrin {

namespace {

constexpr int MinimumCommonGames = 4;

using Figures = std::vector<double>;

// The combined percentage of many records, as one fraction: the ratio of the sums, not the mean
// of the ratios.
struct CombinedPercentage {
  long long halves = 0;  // two for a win, one for a tie
  long long games = 0;

  void Add(const ClubRecord& record, int times) {
    halves += static_cast<long long>(times) * (2LL * record.wins + record.ties);
    games += static_cast<long long>(times) * record.games;
  }
  double Value() const {
    return games == 0 ? 0.0 : static_cast<double>(halves) / (2.0 * static_cast<double>(games));
  }
};

ClubRecord AgainstClubs(const ClubRecords& records, int club, std::span<const int> opponents) {
  ClubRecord record;
  for (int opponent : opponents) record += records.Against(club, opponent);
  return record;
}

std::optional<Figures> HeadToHead(const ClubRecords& records, std::span<const int> clubs) {
  Figures figures;
  for (int club : clubs) {
    const ClubRecord record = AgainstClubs(records, club, clubs);
    if (record.games == 0) return std::nullopt;
    figures.push_back(record.Percentage());
  }
  return figures;
}

// Beat each of the others in every meeting (1), or lost each meeting with each of them (-1).
std::optional<Figures> Sweep(const ClubRecords& records, std::span<const int> clubs) {
  for (const bool winning : {true, false}) {
    for (std::size_t i = 0; i < clubs.size(); ++i) {
      const bool swept = std::all_of(clubs.begin(), clubs.end(), [&](int other) {
        const ClubRecord& record = records.Against(clubs[i], other);
        return other == clubs[i] ||
               (record.games > 0 && (winning ? record.wins : record.losses()) == record.games);
      });
      if (!swept) continue;
      Figures figures(clubs.size(), 0.0);
      figures[i] = winning ? 1.0 : -1.0;
      return figures;
    }
  }
  return std::nullopt;
}

std::vector<int> CommonOpponents(const ClubRecords& records, std::span<const int> clubs) {
  std::vector<int> common;
  for (int opponent = 1; opponent <= records.league().team_count(); ++opponent) {
    if (std::all_of(clubs.begin(), clubs.end(),
                    [&](int club) { return records.HavePlayed(club, opponent); })) {
      common.push_back(opponent);
    }
  }
  return common;
}

std::optional<Figures> CommonGames(const ClubRecords& records, std::span<const int> clubs,
                                   int minimum, bool net_points) {
  const std::vector<int> opponents = CommonOpponents(records, clubs);
  Figures figures;
  for (int club : clubs) {
    const ClubRecord record = AgainstClubs(records, club, opponents);
    if (record.games < std::max(minimum, 1)) return std::nullopt;
    figures.push_back(net_points ? record.net_points() : record.Percentage());
  }
  return figures;
}

double StrengthOf(const ClubRecords& records, int club, bool victories_only) {
  CombinedPercentage strength;
  for (int opponent = 1; opponent <= records.league().team_count(); ++opponent) {
    const ClubRecord& met = records.Against(club, opponent);
    strength.Add(records.Overall(opponent), victories_only ? met.wins : met.games);
  }
  return strength.Value();
}

// Ranks count the clubs strictly ahead, so clubs level in points share a rank.
double PointsRank(const ClubRecords& records, int club, bool conference_only) {
  const SeasonLeague& league = records.league();
  const ClubRecord& own = records.Overall(club);
  int rank_sum = 2;
  for (int other = 1; other <= league.team_count(); ++other) {
    if (conference_only && league.ConferenceOf(other) != league.ConferenceOf(club)) continue;
    const ClubRecord& theirs = records.Overall(other);
    rank_sum += (theirs.scored > own.scored) + (theirs.allowed < own.allowed);
  }
  return -rank_sum;
}

// The steps that need only each club's own figures.
double OwnFigure(const ClubRecords& records, Decider step, int club) {
  switch (step) {
    case Decider::DivisionRecord: return records.InDivision(club).Percentage();
    case Decider::ConferenceRecord: return records.InConference(club).Percentage();
    case Decider::StrengthOfVictory: return StrengthOf(records, club, true);
    case Decider::StrengthOfSchedule: return StrengthOf(records, club, false);
    case Decider::ConferencePointsRank: return PointsRank(records, club, true);
    case Decider::LeaguePointsRank: return PointsRank(records, club, false);
    case Decider::ConferenceNetPoints: return records.InConference(club).net_points();
    default: return records.Overall(club).net_points();
  }
}

}  // namespace

std::string_view DeciderName(Decider decider) {
  switch (decider) {
    case Decider::Record: return "record";
    case Decider::HeadToHead: return "head-to-head";
    case Decider::HeadToHeadSweep: return "head-to-head sweep";
    case Decider::DivisionRecord: return "division record";
    case Decider::CommonGames:
    case Decider::CommonGamesAtLeastFour: return "common games";
    case Decider::ConferenceRecord: return "conference record";
    case Decider::StrengthOfVictory: return "strength of victory";
    case Decider::StrengthOfSchedule: return "strength of schedule";
    case Decider::ConferencePointsRank: return "points rank in the conference";
    case Decider::LeaguePointsRank: return "points rank in the league";
    case Decider::CommonNetPoints: return "net points in common games";
    case Decider::ConferenceNetPoints: return "net points in conference games";
    case Decider::NetPoints: return "net points in all games";
    case Decider::Draw: return "drawn by lot";
  }
  return "";
}

std::optional<std::vector<double>> StepFigures(const ClubRecords& records, Decider step,
                                               std::span<const int> clubs) {
  switch (step) {
    case Decider::Record:
    case Decider::Draw: return std::nullopt;
    case Decider::HeadToHead: return HeadToHead(records, clubs);
    case Decider::HeadToHeadSweep: return Sweep(records, clubs);
    case Decider::CommonGames: return CommonGames(records, clubs, 1, false);
    case Decider::CommonGamesAtLeastFour:
      return CommonGames(records, clubs, MinimumCommonGames, false);
    case Decider::CommonNetPoints: return CommonGames(records, clubs, 1, true);
    default: break;
  }
  Figures figures;
  for (int club : clubs) figures.push_back(OwnFigure(records, step, club));
  return figures;
}

}  // namespace tavrin
