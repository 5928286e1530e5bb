#include "reports/statistics_window.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>

#include "platform/qt/dialog_buttons.h"
#include "platform/qt/dialog_window.h"
#include "presentation/report_list_view.h"
#include "presentation/report_printing.h"
#include "presentation/view_buttons.h"

namespace tavrin {
namespace {

constexpr std::array<const char*, 4> OrderCaptions = {"Quality Rating", "Percentage", "Ave Offense",
                                                      "Ave Defense"};
constexpr int ShownLines = 19;

}  // namespace

StatisticsWindow::StatisticsWindow(Session& session, int week, std::vector<std::string> lines,
                                   QWidget* owner)
    : QDialog(owner), session_(session), week_(week), lines_(std::move(lines)) {
  setObjectName("VStatsform");
  setWindowTitle("Tavrin Statistics");
  setSizeGripEnabled(true);
  statistics_list_ =
      new ReportListView(this, StatisticsLineLength, ShownLines, ReportListView::Selection::Never);

  auto* frame = new QGroupBox("Sort Teams by...", this);
  frame->setObjectName("Frame1");
  auto* orders = new QHBoxLayout(frame);
  for (std::size_t index = 0; index < OrderCaptions.size(); ++index) {
    auto* option = new QRadioButton(OrderCaptions[index], frame);
    option->setObjectName(QString("Option1_%1").arg(index));
    option->setChecked(index == 0);
    const auto order = static_cast<StatisticsOrder>(index);
    connect(option, &QRadioButton::clicked, this, [this, order] { OnSortOrderChosen(order); });
    orders->addWidget(option);
  }

  QDialogButtonBox* buttons = qt::MakeDialogButtonBox(this);
  QPushButton* print_button =
      AddViewButton(buttons, "printbutton", qt::ButtonPicture::Print, "Print Statistics");
  AddViewButton(buttons, "Donebutton", qt::ButtonPicture::Done, "Close Statistics");
  auto* lower = new QHBoxLayout;
  lower->addWidget(frame);
  lower->addStretch();
  lower->addWidget(buttons, 0, Qt::AlignBottom);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(statistics_list_, 1);
  layout->addLayout(lower);

  statistics_list_->SetLines(lines_);
  connect(print_button, &QPushButton::clicked, this, &StatisticsWindow::OnPrint);
}

void StatisticsWindow::OnSortOrderChosen(StatisticsOrder order) {
  lines_ = StatisticsLines(session_.store, week_, order);
  statistics_list_->SetLines(lines_);
}

void StatisticsWindow::OnPrint() {
  // The block shown is the state after the week before the one it opens.
  const std::string when = week_ > 1 ? "week " + std::to_string(week_ - 1) : "start of season";
  PrintAsJob(session_, "Tavrin Statistics " + when, [this] { PrintStatistics(session_, lines_); });
}

QDialog* OpenStatisticsWindow(Session& session, int block, QWidget* main_window) {
  auto lines = ShowStatistics(session, block);
  if (!lines) return nullptr;
  auto* window = new StatisticsWindow(session, block + 1, std::move(*lines), main_window);
  qt::ShowDialog(window);
  return window;
}

}  // namespace tavrin
