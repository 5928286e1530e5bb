#pragma once
// The graph team selection window `Selgraphform`: one list of teams for a one-team graph, two
// side by side to compare two teams; accepting opens the graph in its place.

#include <QDialog>

#include "graphs/graph_teams.h"
#include "platform/session.h"

class QListWidget;

namespace tavrin {

// What the chosen teams are drawn on: their ratings, or their play-off odds through the season.
enum class GraphKind { Ratings, PlayoffOdds };

class GraphSelectionWindow : public QDialog {
  Q_OBJECT

 public:
  GraphSelectionWindow(Session& session, GraphTeams& teams, GraphKind kind, QWidget* owner);

 private:
  void OnAccept();

  Session& session_;
  GraphTeams& teams_;
  GraphKind kind_;
  QListWidget* first_team_list_;
  QListWidget* second_team_list_;
};

// The graph commands: sets the mode of the main window's `teams` and opens the selection in front
// of it. Accepting stores the chosen teams there and opens the graph.
QDialog* OpenGraphSelectionWindow(Session& session, GraphTeams& teams, int16_t graph_mode,
                                  QWidget* main_window, GraphKind kind = GraphKind::Ratings);
// Opens the selection again in the mode it was left in (the graph's "Select Teams").
QDialog* ShowGraphSelectionWindow(Session& session, GraphTeams& teams, QWidget* main_window,
                                  GraphKind kind = GraphKind::Ratings);

}  // namespace tavrin
