#pragma once
// The play-off odds window: every team's chances in a table that sorts by any column, and the
// report on the printer.

#include <QWidget>
#include <string>
#include <vector>

#include "analysis/playoff_odds.h"
#include "platform/session.h"

class QPushButton;
class QTableWidget;

namespace tavrin {

class PlayoffOddsWindow : public QWidget {
  Q_OBJECT

 public:
  PlayoffOddsWindow(Session& session, const PlayoffOdds& odds);

 private:
  void FillTable(const PlayoffOdds& odds);
  void PrintButtonClick();

  Session& session_;
  std::vector<std::string> lines_;
  QTableWidget* odds_table_ = nullptr;
  QPushButton* print_button_ = nullptr;
  QPushButton* done_button_ = nullptr;
};

// The "Play-off Odds" entry: runs the simulation (with a progress dialog when it takes longer
// than a blink) and opens the window in front of the disabled main window. Null when refused.
QWidget* OpenPlayoffOddsWindow(Session& session, QWidget* main_window,
                               const OddsOptions& options = {});

}  // namespace tavrin
