#include "reports/team_results_window.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

#include "platform/qt/latin1_text.h"
#include "platform/qt/list_font.h"
#include "platform/qt/secondary_window.h"
#include "platform/qt/twips.h"
#include "reports/report_list_view.h"
#include "reports/report_printing.h"
#include "reports/schedule_views.h"
#include "reports/team_results.h"
#include "reports/view_buttons.h"
#include "reports/weekly_results.h"

namespace tavrin {

TResults::TResults(Session& session) : session_(session) {
  setObjectName("TResults");
  setWindowTitle("Tavrin Team Results");
  const ReportListLayout layout = ReportWindowListLayout(9255, ResultsLineLength, 4440);
  const double right = layout.left + layout.width;
  setFixedSize(qt::TwipsSize(right + layout.left, 5760));

  Combo1_ = new QComboBox(this);
  Combo1_->setObjectName("Combo1");
  Combo1_->setFont(qt::ReportListFont());
  Combo1_->setEditable(true);
  Combo1_->setInsertPolicy(QComboBox::NoInsert);
  Combo1_->setGeometry(qt::TwipsRect(right / 2 - 1980, 1800, 3375, 360));
  for (const std::string& name : TeamChoices(session.store)) Combo1_->addItem(qt::FromLatin1(name));
  Combo1_->setCurrentIndex(-1);
  Combo1_->setEditText(SelectTeamPrompt);
  Combo1_->lineEdit()->installEventFilter(this);

  schbutton_ = MakePictureButton(this, "schbutton", qt::ButtonPicture::Accept, "Accept Selection",
                                 right / 2 + 1560, 1680);
  infobutton_ = MakePictureButton(this, "infobutton", qt::ButtonPicture::Info,
                                  "Help on Team summary", right - 2040, 5010);
  List1_ = new ReportListView(this, layout, ReportListView::Selection::Never);
  Printbutton_ = MakePictureButton(this, "Printbutton", qt::ButtonPicture::Print, "Print list",
                                   right - 1320, 5010);
  Donebutton_ = MakePictureButton(this, "Donebutton", qt::ButtonPicture::Done, "Close Team Results",
                                  right - 600, 5010);
  // Until a team is accepted only the choice and the help are offered.
  List1_->SetShown(false);
  Printbutton_->hide();
  Donebutton_->hide();

  // Enter in the team box accepts the team.
  schbutton_->setDefault(true);
  connect(schbutton_, &QPushButton::clicked, this, &TResults::schbutton_Click);
  connect(Donebutton_, &QPushButton::clicked, this, &QWidget::close);
  connect(Printbutton_, &QPushButton::clicked, this, &TResults::Printbutton_Click);
  connect(infobutton_, &QPushButton::clicked, this,
          [this] { session_.ui.ShowHelpTopic("Results by Team"); });
  ArrangeClosingButtons(this);
}

bool TResults::eventFilter(QObject* watched, QEvent* event) {
  // A double click on the choice accepts it, as the accept button does.
  if (watched == Combo1_->lineEdit() && event->type() == QEvent::MouseButtonDblClick &&
      schbutton_->isEnabled()) {
    schbutton_Click();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void TResults::schbutton_Click() {
  schbutton_->setEnabled(false);
  schbutton_->hide();
  Combo1_->setEnabled(false);
  Combo1_->hide();
  auto lines = ShowTeamResults(session_, qt::ToLatin1(Combo1_->currentText()));
  if (!lines) {
    // No team of that name: this is also the way out without choosing.
    close();
    return;
  }
  lines_ = std::move(*lines);
  List1_->SetLines(lines_);
  List1_->SetShown(true);
  Donebutton_->show();
  Printbutton_->show();
}

void TResults::Printbutton_Click() {
  PrintAsJob(session_, "Tavrin Team Results " + qt::ToLatin1(Combo1_->currentText()),
             [this] { PrintResults(session_, lines_, ResultsFontOrder::NameThenSize); });
}

QWidget* OpenTeamResultsWindow(Session& session, QWidget* main_window) {
  session.ui.ShowBusyPointer();
  auto* window = new TResults(session);
  qt::ShowSecondaryWindow(window, main_window);
  return window;
}

}  // namespace tavrin
