#include "analysis/specials_model.h"

#include <fmt/format.h>

#include "analysis/single_game.h"
#include "presentation/report_printing.h"
#include "presentation/report_text.h"

namespace tavrin {

SpecialsModel::SpecialsModel(const SeasonStore& store)
    : store_(store), picked_(MaxTeamSlot + 1, false), lines_{SpecialsOpeningHeader} {}

bool SpecialsModel::IsPicked(int team) const { return IsTeamNumber(team) && picked_[team]; }

void SpecialsModel::ClickTeam(int team) {
  if (!IsTeamNumber(team)) return;
  if (picked_[team]) {
    game_box_enabled_ = false;
    picked_[team] = false;
    const int was_picked = picked_count_;
    picked_count_ = 0;
    if (was_picked < 2) {
      game_label_.clear();
      return;
    }
    // The other team stays picked and is taken again as the first pick.
    team = team == second_ ? first_ : second_;
  }
  if (picked_count_ == 2) return;
  Pick(team);
}

void SpecialsModel::Pick(int team) {
  picked_[team] = true;
  ++picked_count_;
  if (picked_count_ == 1) {
    game_label_ = LocationOf(store_, team) + " at ";
    first_ = team;
  } else {
    game_label_ += LocationOf(store_, team);
    second_ = team;
    game_box_enabled_ = true;
  }
}

void SpecialsModel::Reverse() {
  std::swap(first_, second_);
  game_label_ = Pairing(store_, first_, second_);
}

bool SpecialsModel::Predict(UserInterface& ui, bool neutral) {
  if (!game_box_enabled_) {
    ui.Beep();
    return false;
  }
  game_box_enabled_ = false;
  picked_[first_] = false;
  picked_[second_] = false;
  lines_.push_back(SingleGameLine(store_, first_, second_, neutral));
  game_label_.clear();
  picked_count_ = 0;
  return true;
}

void SpecialsModel::Remove(int index) {
  if (index < 1 || index >= static_cast<int>(lines_.size())) return;
  lines_.erase(lines_.begin() + index);
}

void SpecialsModel::Clear(UserInterface& ui) {
  if (lines_.size() < 2) return;
  if (!ui.AskYesNo("Is it Ok to Clear Prediction list?", "Tavrin Schedule", MessageIcon::None,
                   DefaultButton::First)) {
    return;
  }
  picked_.assign(picked_.size(), false);
  lines_.assign(1, SpecialsClearedHeader);
  game_label_.clear();
  picked_count_ = 0;
  // With no team picked there is no pairing left to predict.
  game_box_enabled_ = false;
}

void SpecialsModel::Print(Session& session) const {
  if (lines_.size() < 2) return;
  Printer* printer = StartReportPrint(session, "Ready to send Predictions to the Printer.");
  if (printer == nullptr) return;
  SetReportFont(*printer, session.store, 15);
  printer->PrintLine(" ");
  printer->PrintLine("        Tavrin Single Game Predictions from " + session.ui.TodayText());
  printer->PrintLine(" ");
  printer->PrintLine("    " + std::string(57, '_'));
  for (const std::string& line : lines_) {
    printer->PrintLine(" ");
    printer->PrintLine("     " + line);
  }
  printer->EndDocument();
}

std::string SpecialsModel::YearLabel() const {
  return fmt::format("Year  {}", store_.WorkingYear);
}

}  // namespace tavrin
