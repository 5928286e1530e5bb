#include "analysis/conference_seeds_window.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "analysis/conference_seeds.h"
#include "platform/qt/dialog_buttons.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/latin1_text.h"
#include "platform/qt/push_button.h"
#include "platform/qt/twips.h"
#include "presentation/report_list_view.h"
#include "presentation/report_printing.h"
#include "presentation/view_buttons.h"
#include "season/text_convention.h"

namespace tavrin {

namespace {

// Room for a seed whose reason names two of the longest locations and the longest step.
constexpr int SeedsLineLength = 84;
constexpr int ShownLines = 20;
constexpr double PrintPoints = 10;
// Any week a box can hold is read, so that a week past the scored ones is named as such.
constexpr int LargestTypedWeek = 9999;

// The seeds after `week` as the report lists them; nothing, the user told why, when refused.
std::optional<std::vector<std::string>> SeedsReport(Session& session, int week) {
  const auto seeds = ShowConferenceSeeds(session, week);
  if (!seeds) return std::nullopt;
  return ConferenceSeedLines(session.store, week, *seeds);
}

}  // namespace

ConferenceSeedsWindow::ConferenceSeedsWindow(Session& session, int week,
                                             std::vector<std::string> lines, QWidget* owner)
    : QDialog(owner), session_(session), week_(week), lines_(std::move(lines)) {
  setObjectName("Seeds");
  setWindowTitle("Tavrin Seeds");
  setSizeGripEnabled(true);

  week_box_ = new QLineEdit(QString::number(week), this);
  week_box_->setObjectName("weekbox");
  week_box_->setFixedWidth(qt::TwipsToPixelsX(720));
  auto* week_label = new QLabel("Seeds after &week", this);
  week_label->setBuddy(week_box_);
  auto* show_button = qt::MakeButton(this, "showbutton", "Show", "Show the seeds after this week");
  // Enter in the week box shows that week.
  show_button->setDefault(true);
  auto* week_row = new QHBoxLayout;
  week_row->addWidget(week_label);
  week_row->addWidget(week_box_);
  week_row->addWidget(
      new QLabel(QStringLiteral("(1 - %1)").arg(session_.store.LastScoredWeek), this));
  week_row->addWidget(show_button);
  week_row->addStretch();

  seeds_list_ =
      new ReportListView(this, SeedsLineLength, ShownLines, ReportListView::Selection::Never);
  QDialogButtonBox* buttons = qt::MakeDialogButtonBox(this);
  QPushButton* print_button =
      AddViewButton(buttons, "printbutton", qt::ButtonPicture::Print, "Print Seeds");
  AddViewButton(buttons, "donebutton", qt::ButtonPicture::Done, "Close Seeds");
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(week_row);
  layout->addWidget(seeds_list_, 1);
  layout->addWidget(buttons);
  seeds_list_->SetLines(lines_);
  connect(show_button, &QPushButton::clicked, this, &ConferenceSeedsWindow::OnShowWeek);
  connect(print_button, &QPushButton::clicked, this, &ConferenceSeedsWindow::OnPrint);
}

void ConferenceSeedsWindow::OnShowWeek() {
  // A week the box cannot hold is no scored week: ShowConferenceSeeds says which weeks are.
  const int week =
      ReadTypedWholeNumber(qt::ToLatin1(week_box_->text()), LargestTypedWeek).value_or(0);
  auto lines = SeedsReport(session_, week);
  if (!lines) {
    week_box_->setFocus();
    week_box_->selectAll();
    return;
  }
  week_ = week;
  lines_ = std::move(*lines);
  seeds_list_->SetLines(lines_);
}

void ConferenceSeedsWindow::OnPrint() {
  PrintAsJob(session_, "Tavrin Seeds week " + std::to_string(week_), [this] {
    PrintIndentedReport(session_, "Ready to send the Seeds to the Printer.", PrintPoints, lines_);
  });
}

QDialog* OpenConferenceSeedsWindow(Session& session, QWidget* main_window) {
  const int week = session.store.LastScoredWeek;
  auto lines = SeedsReport(session, week);
  if (!lines) return nullptr;
  auto* window = new ConferenceSeedsWindow(session, week, std::move(*lines), main_window);
  qt::ShowDialog(window);
  return window;
}

}  // namespace tavrin
