#include "entry/stats_editor.h"

#include <array>
#include <cmath>
#include <limits>

#include <fmt/format.h>

#include "engine/results_processing.h"
#include "season/data_files.h"
#include "season/text_convention.h"

namespace tavrin {

namespace {

constexpr std::array<const char*, 8> FieldLabels = {
    "Wins",         "Losses",       "Ties", "Points Scored", "Points Allowed",
    "Ave. Offense", "Ave. Defense", "Computer Quality Rating"};

// The file holds singles, and the rounding before a save multiplies by ten in single.
bool FitsSingleField(double value) {
  return std::isfinite(value) && std::fabs(value) <= std::numeric_limits<float>::max() / 10;
}

void RefuseValue(UserInterface& ui, StatsField field) {
  ui.ShowMessage(fmt::format("The value is too large for {}.",
                             FieldLabels[static_cast<std::size_t>(field)]),
                 "Tavrin", MessageIcon::Exclamation);
}

}  // namespace

std::optional<int> EditorWeek(const SeasonStore& store, std::string_view week_text) {
  const double value = ReadLenientNumber(week_text);
  if (value < 0) return std::nullopt;
  const auto week = ToInt16(value);
  if (!week || *week > store.WeeksInSeason) return store.WeeksInSeason;
  return *week;
}

bool LoadEditorBlock(Session& session, int week) {
  const bool read = LoadStatsBlockNumber(session.store, session.folder, week);
  // A season without a statistics file yet has only blocks never written: zeros, no message.
  const auto file = session.folder / StatisticsFileName(session.store.WorkingYear);
  if (!read && std::filesystem::exists(file)) {
    session.ui.ShowMessage(fmt::format("Unable to Load the Statistics for Week {}.", week), "Tavrin",
                           MessageIcon::Exclamation);
    return false;
  }
  return true;
}

bool StoreEditedValue(Session& session, int team, StatsField field, std::string_view text) {
  SeasonStore& store = session.store;
  if (!IsTeamNumber(team)) return false;
  const double value = ReadLenientNumber(text);
  if (field == StatsField::Losses || field == StatsField::Ties) {
    const auto count = ToInt16(value);
    if (!count) {
      RefuseValue(session.ui, field);
      return false;
    }
    (field == StatsField::Losses ? store.Losses : store.Ties)[team] = *count;
    return true;
  }
  if (!FitsSingleField(value)) {
    RefuseValue(session.ui, field);
    return false;
  }
  const auto single = static_cast<float>(value);
  switch (field) {
    case StatsField::Wins: store.Wins[team] = single; break;
    case StatsField::PointsScored: store.PointsScored[team] = single; break;
    case StatsField::PointsAllowed: store.PointsAllowed[team] = single; break;
    case StatsField::AveOffense: store.AveOffense[team] = single; break;
    case StatsField::AveDefense: store.AveDefense[team] = single; break;
    case StatsField::Cqr: store.Cqr[team] = value; break;  // typed ratings are kept in double
    case StatsField::Losses:
    case StatsField::Ties: break;
  }
  return true;
}

std::string EditorValueText(const SeasonStore& store, int team, StatsField field) {
  if (!IsTeamNumber(team)) return {};
  switch (field) {
    case StatsField::Wins: return GeneralNumber(store.Wins[team]);
    case StatsField::Losses: return GeneralNumber(store.Losses[team]);
    case StatsField::Ties: return GeneralNumber(store.Ties[team]);
    case StatsField::PointsScored: return GeneralNumber(store.PointsScored[team]);
    case StatsField::PointsAllowed: return GeneralNumber(store.PointsAllowed[team]);
    case StatsField::AveOffense: return GeneralNumber(store.AveOffense[team]);
    case StatsField::AveDefense: return GeneralNumber(store.AveDefense[team]);
    case StatsField::Cqr: {
      const double rating = store.Cqr[team];
      const auto single = static_cast<float>(rating);
      return static_cast<double>(single) == rating ? GeneralNumber(single) : GeneralNumber(rating);
    }
  }
  return {};
}

bool SaveEditorBlock(Session& session, int week) {
  RoundStatistics(session.store);
  if (!WriteStatsBlock(session.store, session.folder, week)) {
    ReportSaveFailure(session.ui, StatisticsFileName(session.store.WorkingYear));
    return false;
  }
  return true;
}

}  // namespace tavrin
