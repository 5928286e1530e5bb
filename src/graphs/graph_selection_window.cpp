#include "graphs/graph_selection_window.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

#include "graphs/graph_selection.h"
#include "graphs/rating_graph_window.h"
#include "platform/qt/latin1_text.h"
#include "platform/qt/secondary_window.h"
#include "platform/qt/twips.h"
#include "presentation/team_choice.h"
#include "presentation/view_buttons.h"

namespace tavrin {
namespace {

constexpr double ListWidth = 2400;
constexpr double ListHeight = 3300;
constexpr double SingleListLeft = 2640;

QListWidget* TeamList(QWidget* parent, const char* name, const SeasonStore& store, double left) {
  auto* list = new QListWidget(parent);
  list->setObjectName(name);
  for (const std::string& team : TeamChoices(store)) list->addItem(qt::FromLatin1(team));
  list->setGeometry(qt::TwipsRect(left, 480, ListWidth, ListHeight));
  return list;
}

// The selected line's text; "" when no line is selected.
std::string ChosenText(const QListWidget* list) {
  const auto selected = list->selectedItems();
  return selected.isEmpty() ? std::string() : qt::ToLatin1(selected.front()->text());
}

}  // namespace

GraphSelectionWindow::GraphSelectionWindow(Session& session, QWidget* main_window)
    : session_(session), main_window_(main_window) {
  setObjectName("Selgraphform");
  setWindowTitle("Tavrin Rating Trends");
  setFixedSize(qt::TwipsSize(7680, 5100));
  auto* Panel3D1 = new QGroupBox("Select Team(s)", this);
  Panel3D1->setObjectName("Panel3D1");
  Panel3D1->setGeometry(qt::TwipsRect(480, 120, 6720, 4020));
  first_team_list_ = TeamList(Panel3D1, "List1", session.store, 600);
  second_team_list_ = TeamList(Panel3D1, "List2", session.store, 3720);
  if (session.store.GraphMode != GraphTwoTeams) {
    second_team_list_->setEnabled(false);
    second_team_list_->hide();
    // The single list stands in the middle (its left edge in the window's coordinates).
    first_team_list_->move(qt::TwipsToPixelsX(SingleListLeft - 480), first_team_list_->y());
  }
  auto* okbutton = MakePictureButton(this, "okbutton", qt::ButtonPicture::Accept,
                                     "Accept selections", 5880, 4320);
  auto* cancelbutton = MakePictureButton(this, "cancelbutton", qt::ButtonPicture::Done,
                                         "Cancel team selection", 6600, 4320);
  connect(okbutton, &QPushButton::clicked, this, &GraphSelectionWindow::OnAccept);
  connect(cancelbutton, &QPushButton::clicked, this, &QWidget::close);
  // In two-team mode the second list still has to be used, so only it accepts on a double click.
  connect(first_team_list_, &QListWidget::itemDoubleClicked, this, [this] {
    if (session_.store.GraphMode != GraphTwoTeams) OnAccept();
  });
  connect(second_team_list_, &QListWidget::itemDoubleClicked, this,
          &GraphSelectionWindow::OnAccept);
  ArrangeClosingButtons(this);
}

void GraphSelectionWindow::OnAccept() {
  if (!AcceptGraphTeams(session_.store, session_.ui, ChosenText(first_team_list_),
                        ChosenText(second_team_list_)))
    return;
  // The graph opens before this window closes, so the main window stays disabled throughout.
  OpenRatingGraphWindow(session_, main_window_);
  close();
}

QWidget* OpenGraphSelectionWindow(Session& session, int16_t graph_mode, QWidget* main_window) {
  session.store.GraphMode = graph_mode;
  return ShowGraphSelectionWindow(session, main_window);
}

QWidget* ShowGraphSelectionWindow(Session& session, QWidget* main_window) {
  session.ui.ShowBusyPointer();
  auto* window = new GraphSelectionWindow(session, main_window);
  qt::ShowSecondaryWindow(window, main_window);
  return window;
}

}  // namespace tavrin
