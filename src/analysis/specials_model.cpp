#include "analysis/specials_model.h"

#include <fmt/format.h>

#include "analysis/single_game.h"
#include "presentation/report_printing.h"
#include "presentation/report_text.h"

namespace tavrin {

SpecialsModel::SpecialsModel(const SeasonStore& store)
    : store_(store), picker_(SeasonTeamCount(store)), lines_{SpecialsOpeningHeader} {}

void SpecialsModel::ClickTeam(int team) {
  picker_.ClickTeam(team);
  ShowPicks();
}

void SpecialsModel::ShowPicks() {
  switch (picker_.PickedCount()) {
    case 0: game_label_.clear(); break;
    case 1: game_label_ = LocationOf(store_, picker_.First()) + " at "; break;
    default: game_label_ = Pairing(store_, picker_.First(), picker_.Second()); break;
  }
}

void SpecialsModel::Reverse() {
  picker_.Reverse();
  game_label_ = Pairing(store_, picker_.First(), picker_.Second());
}

bool SpecialsModel::Predict(UserInterface& ui, bool neutral) {
  if (!picker_.PairComplete()) {
    ui.Beep();
    return false;
  }
  lines_.push_back(SingleGameLine(store_, picker_.First(), picker_.Second(), neutral));
  picker_.DropPicks();
  game_label_.clear();
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
  picker_.Reset();
  lines_.assign(1, SpecialsClearedHeader);
  game_label_.clear();
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

std::string SpecialsModel::YearLabel() const { return fmt::format("Year  {}", store_.WorkingYear); }

}  // namespace tavrin
