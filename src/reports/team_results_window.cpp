#include "reports/team_results_window.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

#include "platform/qt/latin1_text.h"
#include "platform/qt/list_font.h"
#include "platform/qt/secondary_window.h"
#include "platform/qt/twips.h"
#include "presentation/report_list_view.h"
#include "presentation/report_printing.h"
#include "presentation/view_buttons.h"
#include "reports/schedule_views.h"
#include "reports/team_results.h"
#include "reports/weekly_results.h"

namespace tavrin {

TeamResultsWindow::TeamResultsWindow(Session& session) : session_(session) {
  setObjectName("TResults");
  setWindowTitle("Tavrin Team Results");
  const ReportListLayout layout = ReportWindowListLayout(9255, ResultsLineLength, 4440);
  const double right = layout.left + layout.width;
  setFixedSize(qt::TwipsSize(right + layout.left, 5760));

  team_choice_ = new QComboBox(this);
  team_choice_->setObjectName("Combo1");
  team_choice_->setFont(qt::ReportListFont());
  team_choice_->setEditable(true);
  team_choice_->setInsertPolicy(QComboBox::NoInsert);
  team_choice_->setGeometry(qt::TwipsRect(right / 2 - 1980, 1800, 3375, 360));
  for (const std::string& name : TeamChoices(session.store))
    team_choice_->addItem(qt::FromLatin1(name));
  team_choice_->setCurrentIndex(-1);
  team_choice_->setEditText(SelectTeamPrompt);
  team_choice_->lineEdit()->installEventFilter(this);

  schbutton_ = MakePictureButton(this, "schbutton", qt::ButtonPicture::Accept, "Accept Selection",
                                 right / 2 + 1560, 1680);
  infobutton_ = MakePictureButton(this, "infobutton", qt::ButtonPicture::Info,
                                  "Help on Team summary", right - 2040, 5010);
  results_list_ = new ReportListView(this, layout, ReportListView::Selection::Never);
  Printbutton_ = MakePictureButton(this, "Printbutton", qt::ButtonPicture::Print, "Print list",
                                   right - 1320, 5010);
  Donebutton_ = MakePictureButton(this, "Donebutton", qt::ButtonPicture::Done, "Close Team Results",
                                  right - 600, 5010);
  // Until a team is accepted only the choice and the help are offered.
  results_list_->SetShown(false);
  Printbutton_->hide();
  Donebutton_->hide();

  // Enter in the team box accepts the team.
  schbutton_->setDefault(true);
  connect(schbutton_, &QPushButton::clicked, this, &TeamResultsWindow::AcceptTeam);
  connect(Donebutton_, &QPushButton::clicked, this, &QWidget::close);
  connect(Printbutton_, &QPushButton::clicked, this, &TeamResultsWindow::OnPrint);
  connect(infobutton_, &QPushButton::clicked, this,
          [this] { session_.ui.ShowHelpTopic("Results by Team"); });
  ArrangeClosingButtons(this);
}

bool TeamResultsWindow::eventFilter(QObject* watched, QEvent* event) {
  // A double click on the choice accepts it, as the accept button does.
  if (watched == team_choice_->lineEdit() && event->type() == QEvent::MouseButtonDblClick &&
      schbutton_->isEnabled()) {
    AcceptTeam();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void TeamResultsWindow::AcceptTeam() {
  schbutton_->setEnabled(false);
  schbutton_->hide();
  team_choice_->setEnabled(false);
  team_choice_->hide();
  auto lines = ShowTeamResults(session_, qt::ToLatin1(team_choice_->currentText()));
  if (!lines) {
    // No team of that name: this is also the way out without choosing.
    close();
    return;
  }
  lines_ = std::move(*lines);
  results_list_->SetLines(lines_);
  results_list_->SetShown(true);
  Donebutton_->show();
  Printbutton_->show();
}

void TeamResultsWindow::OnPrint() {
  PrintAsJob(session_, "Tavrin Team Results " + qt::ToLatin1(team_choice_->currentText()),
             [this] { PrintResults(session_, lines_, ResultsFontOrder::NameThenSize); });
}

QWidget* OpenTeamResultsWindow(Session& session, QWidget* main_window) {
  session.ui.ShowBusyPointer();
  auto* window = new TeamResultsWindow(session);
  qt::ShowSecondaryWindow(window, main_window);
  return window;
}

}  // namespace tavrin
