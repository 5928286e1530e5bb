#include "app/main_window_rules.h"

#include <fmt/format.h>

#include "season/season_store.h"

namespace tavrin {

MenuStates MenusWhileShowing(ListingPanel panel) {
  switch (panel) {
    case ListingPanel::None: return {};
    case ListingPanel::Schedule: return {true, false, false, false};
    case ListingPanel::Predictions:
    case ListingPanel::Standings: return {false, false, false, false};
  }
  return {};
}

ToolbarAction ToolbarButtonAction(ToolbarButton button, const MenuStates& menus,
                                  const SeasonProgress& season) {
  const int last_scored_week = season.last_scored_week;
  const bool scored_through = season.started && last_scored_week >= 0;
  const bool next_week_exists = scored_through && last_scored_week < season.weeks_in_season;
  switch (button) {
    case ToolbarButton::Schedules:
      if (menus.schedules && season.has_schedule) return {ToolbarCommand::EntireSeason, 0};
      break;
    case ToolbarButton::EnterScores:
      if (menus.games && next_week_exists && !season.read_only)
        return {ToolbarCommand::EnterScores, last_scored_week};
      break;
    case ToolbarButton::Predictions:
      if (menus.games && next_week_exists) return {ToolbarCommand::Predictions, last_scored_week};
      break;
    case ToolbarButton::Standings:
      if (menus.standings && scored_through)
        return {ToolbarCommand::Standings, last_scored_week - 1};
      break;
    case ToolbarButton::Help: return {ToolbarCommand::Instructions, 0};
  }
  return {};
}

std::string WeekSavedMessage(int week, int weeks_in_season) {
  if (week >= weeks_in_season) {
    return fmt::format("Week # {} saved. The season is complete.", week);
  }
  return fmt::format("Week # {} saved. Predictions for Week # {} are ready.", week, week + 1);
}

}  // namespace tavrin
