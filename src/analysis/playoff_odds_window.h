#pragma once
// The play-off odds window: every team's chances in a table that sorts by any column, the
// statuses no result left can change, "what if?" picks of the games left with each figure's
// change beside it, and the report on the printer.

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

#include "analysis/playoff_odds.h"
#include "platform/session.h"

class QTableWidget;

namespace tavrin {

class PlayoffOddsWindow : public QDialog {
  Q_OBJECT

 public:
  PlayoffOddsWindow(Session& session, const PlayoffOdds& odds, const OddsOptions& options,
                    QWidget* owner);

  // The results picked in the list of games left (never saved into the season).
  std::vector<PickedGame> Picks() const;

 private:
  void FillOddsTable(const PlayoffOdds& odds);
  void FillPickTable();
  void OnPlayPicks();
  void OnClearPicks();
  void OnPrint();

  Session& session_;
  OddsOptions options_;
  std::unique_ptr<PlayoffOdds> as_is_;  // the odds without picks, that changes are shown against
  std::vector<std::string> lines_;
  QTableWidget* odds_table_ = nullptr;
  QTableWidget* pick_table_ = nullptr;
};

// The "Play-off Odds" entry: runs the simulation (with a progress dialog when it takes longer
// than a blink) and opens the window in front of the main window. Null when refused.
QDialog* OpenPlayoffOddsWindow(Session& session, QWidget* main_window,
                               const OddsOptions& options = {});

}  // namespace tavrin
