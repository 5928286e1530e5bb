#pragma once
// The play-off and single game predictions window without its widgets: which team labels are
// picked, the pairing text, and the prediction list with its remove, clear and print rules.
// The ratings are those loaded when the window opened (LoadSpecialsRatings).

#include <string>
#include <vector>

#include "platform/session.h"
#include "season/season_store.h"
#include "season/team_pair_picker.h"

namespace tavrin {

class SpecialsModel {
 public:
  explicit SpecialsModel(const SeasonStore& store);

  // A click on team label i: picks it, or unpicks it (unpicking the second team leaves the
  // first picked; unpicking the first makes the second the first pick). A third pick is ignored.
  void ClickTeam(int team);
  // Swaps the two teams; the pairing text follows.
  void Reverse();
  // Adds the prediction of the picked pairing and clears the picks. With fewer than two teams
  // picked it beeps and returns false (the window then leaves its neutral-site box ticked).
  bool Predict(UserInterface& ui, bool neutral);
  // Removes list line `index`; the header (0) and no selection (-1) remove nothing.
  void Remove(int index);
  // Asks before clearing a list that holds predictions; on Yes unpicks every team and leaves
  // only the header of a cleared list.
  void Clear(UserInterface& ui);
  // Prints the list double-spaced under a dated title; nothing when it holds only the header.
  void Print(Session& session) const;

  bool IsPicked(int team) const { return picker_.State(team) == TeamPairPicker::TeamState::Picked; }
  int PickedCount() const { return picker_.PickedCount(); }
  bool GameBoxEnabled() const { return picker_.PairComplete(); }
  const std::string& GameLabel() const { return game_label_; }
  const std::vector<std::string>& Lines() const { return lines_; }
  // "Year  " + the year as a plain number (this label alone does not pad it to four digits).
  std::string YearLabel() const;

 private:
  void ShowPicks();

  const SeasonStore& store_;
  TeamPairPicker picker_;
  std::string game_label_;
  std::vector<std::string> lines_;
};

}  // namespace tavrin
