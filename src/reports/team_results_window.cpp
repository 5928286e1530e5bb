#include "reports/team_results_window.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/dialog_buttons.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/latin1_text.h"
#include "platform/qt/list_font.h"
#include "platform/qt/push_button.h"
#include "presentation/enter_again_label.h"
#include "presentation/report_list_view.h"
#include "presentation/report_printing.h"
#include "presentation/team_choice.h"
#include "presentation/view_buttons.h"
#include "reports/team_results.h"
#include "reports/weekly_results.h"

namespace tavrin {

namespace {

// A team's whole season: its games under the heading, and the totals.
constexpr int ShownLines = 23;
constexpr int ChoiceColumns = 20;

}  // namespace

TeamResultsWindow::TeamResultsWindow(Session& session, QWidget* owner)
    : QDialog(owner), session_(session) {
  setObjectName("TResults");
  setWindowTitle("Tavrin Team Results");
  setSizeGripEnabled(true);

  team_row_ = new QWidget(this);
  auto* team_label = new QLabel("&Team:", team_row_);
  team_choice_ = new QComboBox(team_row_);
  team_choice_->setObjectName("Combo1");
  team_choice_->setFont(qt::ReportListFont());
  team_choice_->setEditable(true);
  team_choice_->setInsertPolicy(QComboBox::NoInsert);
  team_choice_->setMinimumContentsLength(ChoiceColumns);
  for (const std::string& name : TeamChoices(session.store))
    team_choice_->addItem(qt::FromLatin1(name));
  team_choice_->setCurrentIndex(-1);
  team_choice_->setEditText(SelectTeamPrompt);
  team_choice_->lineEdit()->installEventFilter(this);
  team_label->setBuddy(team_choice_);
  accept_button_ = qt::MakeButton(team_row_, "schbutton", "Accept", "Accept Selection",
                                  qt::ButtonPicture::Accept);
  // Enter in the team box accepts the team.
  accept_button_->setDefault(true);
  auto* team_layout = new QHBoxLayout(team_row_);
  team_layout->addStretch();
  team_layout->addWidget(team_label);
  team_layout->addWidget(team_choice_);
  team_layout->addWidget(accept_button_);
  team_layout->addStretch();

  results_list_ =
      new ReportListView(this, ResultsLineLength, ShownLines, ReportListView::Selection::Never);
  QSizePolicy keeps_room = results_list_->sizePolicy();
  keeps_room.setRetainSizeWhenHidden(true);
  results_list_->setSizePolicy(keeps_room);
  QDialogButtonBox* buttons = qt::MakeDialogButtonBox(this);
  QPushButton* help_button =
      AddViewButton(buttons, "infobutton", qt::ButtonPicture::Info, "Help on Team summary");
  print_button_ = AddViewButton(buttons, "Printbutton", qt::ButtonPicture::Print, "Print list");
  close_button_ =
      AddViewButton(buttons, "Donebutton", qt::ButtonPicture::Done, "Close Team Results");

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(team_row_);
  layout->addWidget(results_list_, 1);
  if (QLabel* note = MakeEnterAgainLabel(this, session_)) layout->addWidget(note);
  layout->addWidget(buttons);

  // Until a team is accepted only the choice and the help are offered.
  results_list_->hide();
  print_button_->hide();
  close_button_->hide();

  connect(accept_button_, &QPushButton::clicked, this, &TeamResultsWindow::AcceptTeam);
  connect(print_button_, &QPushButton::clicked, this, &TeamResultsWindow::OnPrint);
  connect(help_button, &QPushButton::clicked, this,
          [this] { session_.ui.ShowHelpTopic("Results by Team"); });
}

bool TeamResultsWindow::eventFilter(QObject* watched, QEvent* event) {
  // A double click on the choice accepts it, as the accept button does.
  if (watched == team_choice_->lineEdit() && event->type() == QEvent::MouseButtonDblClick &&
      accept_button_->isEnabled()) {
    AcceptTeam();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TeamResultsWindow::AcceptTeam() {
  accept_button_->setEnabled(false);
  team_row_->hide();
  auto lines = ShowTeamResults(session_, qt::ToLatin1(team_choice_->currentText()));
  if (!lines) {
    // No team of that name: this is also the way out without choosing.
    close();
    return;
  }
  lines_ = std::move(*lines);
  results_list_->SetLines(lines_);
  results_list_->show();
  close_button_->show();
  print_button_->show();
  close_button_->setDefault(true);
  results_list_->setFocus();
}

void TeamResultsWindow::OnPrint() {
  PrintAsJob(session_, "Tavrin Team Results " + qt::ToLatin1(team_choice_->currentText()),
             [this] { PrintResults(session_, lines_, ResultsFontOrder::NameThenSize); });
}

QDialog* OpenTeamResultsWindow(Session& session, QWidget* main_window) {
  session.ui.ShowBusyPointer();
  auto* window = new TeamResultsWindow(session, main_window);
  qt::ShowDialog(window);
  return window;
}

}  // namespace tavrin
