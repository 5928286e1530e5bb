#pragma once
// The play-off odds window: every team's chances in a table that sorts by any column, and the
// report on the printer.

#include <QDialog>
#include <string>
#include <vector>

#include "analysis/playoff_odds.h"
#include "platform/session.h"

class QTableWidget;

namespace tavrin {

class PlayoffOddsWindow : public QDialog {
  Q_OBJECT

 public:
  PlayoffOddsWindow(Session& session, const PlayoffOdds& odds, QWidget* owner);

 private:
  void FillTable(const PlayoffOdds& odds);
  void OnPrint();

  Session& session_;
  std::vector<std::string> lines_;
  QTableWidget* odds_table_ = nullptr;
};

// The "Play-off Odds" entry: runs the simulation (with a progress dialog when it takes longer
// than a blink) and opens the window in front of the main window. Null when refused.
QDialog* OpenPlayoffOddsWindow(Session& session, QWidget* main_window,
                               const OddsOptions& options = {});

}  // namespace tavrin
