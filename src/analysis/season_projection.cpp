#include "analysis/season_projection.h"

#include <fmt/format.h>

#include <algorithm>

#include "engine/recorded_scores.h"
#include "presentation/report_printing.h"
#include "presentation/report_text.h"
#include "season/data_files.h"
#include "season/league.h"
#include "season/text_convention.h"

namespace tavrin {

namespace {

using WorkingRatings = SlotArray<float>;

// The highest-rated team of first..last other than `excluded` (the lowest-numbered of equals);
// 0 when no team is rated above 0.
int BestTeam(const WorkingRatings& ratings, int first, int last, int excluded) {
  float best = 0;
  int found = 0;
  for (int team = first; team <= last; ++team) {
    if (ratings[team] > best && team != excluded) {
      best = ratings[team];
      found = team;
    }
  }
  return found;
}

// The best team outside the first contender's group; rejected teams lose their working rating.
// The search ends with 0 when no team of another group is rated above 0.
int SecondContender(WorkingRatings& ratings, int first, int last, int first_contender,
                    int team_count) {
  for (;;) {
    const int team = BestTeam(ratings, first, last, first_contender);
    if (team == 0 || league::ProjectionGroupOf(team, team_count) !=
                         league::ProjectionGroupOf(first_contender, team_count))
      return team;
    ratings[team] = 0;
  }
}

constexpr std::array<const char*, ProjectionBoxCount + 1> BoxRoles{"",
                                                                   "first AFC contender",
                                                                   "second AFC contender",
                                                                   "first NFC contender",
                                                                   "second NFC contender",
                                                                   "AFC champion",
                                                                   "NFC champion",
                                                                   "championship winner"};

}  // namespace

std::optional<SeasonProjection> ShowSeasonProjection(Session& session) {
  if (!LoadLastScoredBlock(session)) return std::nullopt;
  SeasonStore& store = session.store;
  session.ui.ShowBusyPointer();
  return ProjectSeason(store);
}

SeasonProjection ProjectSeason(const SeasonStore& store) {
  const int teams = std::min<int>(store.TeamCount, MaxTeamSlot);
  WorkingRatings ratings{};
  for (int team = 1; team <= teams; ++team) ratings[team] = static_cast<float>(store.Cqr[team]);

  SeasonProjection projection;
  projection.caption = "Tavrin " + YearText(store.WorkingYear) + " Projections";
  projection.title = ChampionshipTitle(store.WorkingYear);
  auto& box = projection.box_team;
  box[1] = BestTeam(ratings, 1, league::LastAfcTeam, 0);
  box[2] = SecondContender(ratings, 1, league::LastAfcTeam, box[1], teams);
  box[3] = BestTeam(ratings, league::LastAfcTeam + 1, teams, 0);
  box[4] = SecondContender(ratings, league::LastAfcTeam + 1, teams, box[3], teams);
  box[5] = ratings[box[1]] < ratings[box[2]] ? box[2] : box[1];
  box[6] = ratings[box[3]] < ratings[box[4]] ? box[4] : box[3];
  box[7] = ratings[box[5]] > ratings[box[6]] ? box[5] : box[6];
  return projection;
}

std::string ChampionshipTitle(int year) {
  switch (year) {
    case 1999: return "Super Bowl XXXIV";
    case 2000: return "Super Bowl XXXV";
    case 2001: return "Super Bowl XXXVI";
    case 2002: return "Super Bowl XXXVII";
    case 2003: return "Super Bowl XXXVIII";
    default: return "";
  }
}

std::string ProjectionBoxText(const SeasonStore& store, int team) {
  return team == 0 ? std::string() : "\r\n" + LocationOf(store, team);
}

std::vector<std::string> ProjectionReportLines(const SeasonStore& store,
                                               const SeasonProjection& projection) {
  std::vector<std::string> lines{projection.caption, projection.title};
  for (int box = 1; box <= ProjectionBoxCount; ++box) {
    const int team = projection.box_team[box];
    const std::string content =
        team == 0 ? std::string() : fmt::format("{} {}", team, LocationOf(store, team));
    lines.push_back(fmt::format("Box {} {}: {}", box, BoxRoles[box], content));
  }
  return lines;
}

void PrintSeasonProjection(Session& session, const std::vector<std::string>& lines) {
  PrintIndentedReport(session, "Ready to send Projections to the Printer.", 12, lines);
}

}  // namespace tavrin
