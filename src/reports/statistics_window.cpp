#include "reports/statistics_window.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "platform/qt/secondary_window.h"
#include "platform/qt/twips.h"
#include "presentation/report_list_view.h"
#include "presentation/report_printing.h"
#include "presentation/view_buttons.h"

namespace tavrin {
namespace {

constexpr std::array<const char*, 4> OrderCaptions = {"Quality Rating", "Percentage", "Ave Offense",
                                                      "Ave Defense"};

}  // namespace

StatisticsWindow::StatisticsWindow(Session& session, int week, std::vector<std::string> lines)
    : session_(session), week_(week), lines_(std::move(lines)) {
  setObjectName("VStatsform");
  setWindowTitle("Tavrin Statistics");
  const ReportListLayout layout = ReportWindowListLayout(9255, StatisticsLineLength, 5040);
  const double right = layout.left + layout.width;
  setFixedSize(qt::TwipsSize(right + layout.left, 6600));
  statistics_list_ = new ReportListView(this, layout, ReportListView::Selection::Never);

  auto* frame = new QGroupBox("Sort Teams by...", this);
  frame->setObjectName("Frame1");
  frame->setGeometry(qt::TwipsRect(90, 5520, 6600, 900));
  int caption_widths = 0;
  for (std::size_t index = 0; index < Option1_.size(); ++index) {
    auto* option = new QRadioButton(OrderCaptions[index], frame);
    option->setObjectName(QString("Option1_%1").arg(index));
    caption_widths += option->sizeHint().width();
    const auto order = static_cast<StatisticsOrder>(index);
    connect(option, &QRadioButton::clicked, this, [this, order] { OnSortOrderChosen(order); });
    Option1_[index] = option;
  }
  // Each as wide as its caption, the room left shared out between them: in equal columns
  // "Quality Rating" would be cut short.
  const QRect row = qt::TwipsRect(120, 400, 6360, 330);
  const int gap =
      std::max(0, (row.width() - caption_widths) / static_cast<int>(Option1_.size() - 1));
  int left = row.left();
  for (QRadioButton* option : Option1_) {
    option->setGeometry(left, row.top(), option->sizeHint().width(), row.height());
    left += option->width() + gap;
  }
  Option1_[0]->setChecked(true);

  printbutton_ = MakePictureButton(this, "printbutton", qt::ButtonPicture::Print,
                                   "Print Statistics", right - 1320, 5700);
  Donebutton_ = MakePictureButton(this, "Donebutton", qt::ButtonPicture::Done, "Close Statistics",
                                  right - 600, 5700);
  statistics_list_->SetLines(lines_);
  connect(Donebutton_, &QPushButton::clicked, this, &QWidget::close);
  connect(printbutton_, &QPushButton::clicked, this, &StatisticsWindow::OnPrint);
  ArrangeClosingButtons(this);
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

QWidget* OpenStatisticsWindow(Session& session, int menu_index, QWidget* main_window) {
  auto lines = ShowStatistics(session, menu_index);
  if (!lines) return nullptr;
  auto* window = new StatisticsWindow(session, menu_index + 1, std::move(*lines));
  qt::ShowSecondaryWindow(window, main_window);
  return window;
}

}  // namespace tavrin
