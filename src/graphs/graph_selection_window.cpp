#include "graphs/graph_selection_window.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "graphs/graph_selection.h"
#include "graphs/odds_chart_window.h"
#include "graphs/rating_graph_window.h"
#include "platform/qt/dialog_buttons.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/latin1_text.h"
#include "platform/qt/twips.h"
#include "presentation/team_choice.h"
#include "presentation/view_buttons.h"

namespace tavrin {
namespace {

constexpr double ListWidth = 2400;
constexpr double ListHeight = 3300;

QListWidget* TeamList(QWidget* parent, const char* name, const SeasonStore& store) {
  auto* list = new QListWidget(parent);
  list->setObjectName(name);
  for (const std::string& team : TeamChoices(store)) list->addItem(qt::FromLatin1(team));
  list->setMinimumSize(qt::TwipsSize(ListWidth, ListHeight));
  // Every team at once where the screen has room for them; the window opens no larger than it.
  list->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  return list;
}

// The selected line's text; "" when no line is selected.
std::string ChosenText(const QListWidget* list) {
  const auto selected = list->selectedItems();
  return selected.isEmpty() ? std::string() : qt::ToLatin1(selected.front()->text());
}

}  // namespace

GraphSelectionWindow::GraphSelectionWindow(Session& session, GraphTeams& teams, GraphKind kind,
                                           QWidget* owner)
    : QDialog(owner), session_(session), teams_(teams), kind_(kind) {
  setObjectName("Selgraphform");
  setWindowTitle(kind == GraphKind::Ratings ? "Tavrin Rating Trends" : "Tavrin Play-off Odds");
  auto* team_frame = new QGroupBox("Select Team(s)", this);
  team_frame->setObjectName("Panel3D1");
  first_team_list_ = TeamList(team_frame, "List1", session.store);
  second_team_list_ = TeamList(team_frame, "List2", session.store);
  const bool two_teams = teams.mode == GraphTwoTeams;
  auto* first_label = new QLabel(two_teams ? "Team &one" : "&Team", team_frame);
  auto* second_label = new QLabel("Team t&wo", team_frame);
  first_label->setBuddy(first_team_list_);
  second_label->setBuddy(second_team_list_);
  auto* lists = new QGridLayout(team_frame);
  lists->addWidget(first_label, 0, 0);
  lists->addWidget(first_team_list_, 1, 0);
  lists->addWidget(second_label, 0, 1);
  lists->addWidget(second_team_list_, 1, 1);
  if (!two_teams) {
    for (QWidget* second :
         {static_cast<QWidget*>(second_team_list_), static_cast<QWidget*>(second_label)}) {
      second->setEnabled(false);
      second->hide();
    }
  }

  QDialogButtonBox* buttons = qt::MakeDialogButtonBox(this);
  QPushButton* ok_button =
      AddViewButton(buttons, "okbutton", qt::ButtonPicture::Accept, "Accept selections");
  AddViewButton(buttons, "cancelbutton", qt::ButtonPicture::Done, "Cancel team selection");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(team_frame, 1);
  layout->addWidget(buttons);

  connect(ok_button, &QPushButton::clicked, this, &GraphSelectionWindow::OnAccept);
  // In two-team mode the second list still has to be used, so only it accepts on a double click.
  connect(first_team_list_, &QListWidget::itemDoubleClicked, this, [this] {
    if (teams_.mode != GraphTwoTeams) OnAccept();
  });
  connect(second_team_list_, &QListWidget::itemDoubleClicked, this,
          &GraphSelectionWindow::OnAccept);
  first_team_list_->setFocus();
}

void GraphSelectionWindow::OnAccept() {
  if (!AcceptGraphTeams(teams_, session_.store, session_.ui, ChosenText(first_team_list_),
                        ChosenText(second_team_list_)))
    return;
  // The graph opens before this window closes, so the main window stays blocked throughout.
  if (kind_ == GraphKind::Ratings) {
    OpenRatingGraphWindow(session_, teams_, parentWidget());
  } else {
    OpenOddsChartWindow(session_, teams_, parentWidget());
  }
  accept();
}

QDialog* OpenGraphSelectionWindow(Session& session, GraphTeams& teams, int16_t graph_mode,
                                  QWidget* main_window, GraphKind kind) {
  teams.mode = graph_mode;
  return ShowGraphSelectionWindow(session, teams, main_window, kind);
}

QDialog* ShowGraphSelectionWindow(Session& session, GraphTeams& teams, QWidget* main_window,
                                  GraphKind kind) {
  session.ui.ShowBusyPointer();
  auto* window = new GraphSelectionWindow(session, teams, kind, main_window);
  qt::ShowDialog(window);
  return window;
}

}  // namespace tavrin
