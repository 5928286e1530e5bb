#include "entry/stats_editor.h"

#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

#include "engine/results_processing.h"
#include "engine/season_saving.h"
#include "platform/messages.h"
#include "season/data_files.h"
#include "season/text_convention.h"

namespace tavrin {

namespace {

struct FieldRule {
  const char* label;
  double highest;
  bool whole;
};

// Beyond these no real season goes, and the report columns have no room.
constexpr std::array<FieldRule, 8> FieldRules = {{{"Wins", 99, true},
                                                  {"Losses", 99, true},
                                                  {"Ties", 99, true},
                                                  {"Points Scored", 9999, true},
                                                  {"Points Allowed", 9999, true},
                                                  {"Ave. Offense", 999.9, false},
                                                  {"Ave. Defense", 999.9, false},
                                                  {"Computer Quality Rating", 200, false}}};

const FieldRule& RuleOf(StatsField field) { return FieldRules[static_cast<std::size_t>(field)]; }

// The figure typed for a field, when it is a number (no sign) within the field's range.
std::optional<double> ReadFieldValue(StatsField field, std::string_view text) {
  const FieldRule& rule = RuleOf(field);
  const auto value = ReadTypedDecimal(text);
  if (!value || *value > rule.highest || (rule.whole && *value != std::floor(*value))) {
    return std::nullopt;
  }
  return value;
}

void RefuseValue(Session& session, int team, StatsField field) {
  const FieldRule& rule = RuleOf(field);
  session.ui.ShowMessage(
      fmt::format("{} of {} must be {} from 0 to {}.", rule.label,
                  session.store.LocationName[static_cast<std::size_t>(team)],
                  rule.whole ? "a whole number" : "a number", GeneralNumber(rule.highest)),
      ProgramCaption, MessageIcon::Exclamation);
}

}  // namespace

const char* StatsFieldLabel(StatsField field) { return RuleOf(field).label; }

namespace {

// Blocks after the last scored week hold no statistics yet (or only left-behind ones).
bool EditableWeek(Session& session, std::optional<int> week) {
  const SeasonStore& store = session.store;
  const int last = std::clamp<int>(store.LastScoredWeek, 0, store.WeeksInSeason);
  if (week && *week >= 0 && *week <= last) return true;
  const std::string weeks =
      last == 0 ? std::string("Only week 0, the start of the season, can be edited.")
                : fmt::format("Enter a week from 1 to {}, or 0 for the start of the season.", last);
  session.ui.ShowMessage(week ? fmt::format("Week {} has not been scored yet.\n\r{}", *week, weeks)
                              : fmt::format("Please enter the week Number.\n\r{}", weeks),
                         ProgramCaption, MessageIcon::Exclamation);
  return false;
}

}  // namespace

std::optional<int> EditorWeek(Session& session, std::string_view week_text) {
  const auto week = ReadTypedWholeNumber(week_text, session.store.WeeksInSeason);
  return EditableWeek(session, week) ? week : std::nullopt;
}

bool LoadEditorBlock(Session& session, int week) {
  if (!EditableWeek(session, week)) return false;
  const bool read = LoadStatsBlockNumber(session.store, session.folder, week);
  // A season without a statistics file yet has only blocks never written: zeros, no message.
  const auto file = session.folder / StatisticsFileName(session.store.WorkingYear);
  if (!read && std::filesystem::exists(file)) {
    session.ui.ShowMessage(fmt::format("Unable to Load the Statistics for Week {}.", week),
                           ProgramCaption, MessageIcon::Exclamation);
    return false;
  }
  return true;
}

bool StoreEditedValue(Session& session, int team, StatsField field, std::string_view text) {
  SeasonStore& store = session.store;
  if (!IsSeasonTeam(store, team)) return false;
  const auto value = ReadFieldValue(field, text);
  if (!value) {
    RefuseValue(session, team, field);
    return false;
  }
  const auto single = static_cast<float>(*value);
  switch (field) {
    case StatsField::Wins: store.Wins[team] = single; break;
    case StatsField::Losses: store.Losses[team] = static_cast<int16_t>(*value); break;
    case StatsField::Ties: store.Ties[team] = static_cast<int16_t>(*value); break;
    case StatsField::PointsScored: store.PointsScored[team] = single; break;
    case StatsField::PointsAllowed: store.PointsAllowed[team] = single; break;
    case StatsField::AveOffense: store.AveOffense[team] = single; break;
    case StatsField::AveDefense: store.AveDefense[team] = single; break;
    case StatsField::Cqr: store.Cqr[team] = *value; break;  // typed ratings are kept in double
  }
  return true;
}

std::string EditorValueText(const SeasonStore& store, int team, StatsField field) {
  if (!IsSeasonTeam(store, team)) return {};
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
  if (!EditableWeek(session, week)) return false;
  RoundStatistics(session.store);
  SeasonChange change(session.folder);
  return SaveOrTell(session.ui, change, {WriteStatsBlock(session.store, session.folder, week)});
}

}  // namespace tavrin
