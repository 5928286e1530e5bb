#include "presentation/report_list_view.h"

#include <QEvent>
#include <QFontMetrics>
#include <QListWidget>
#include <QScrollBar>
#include <algorithm>

#include "platform/qt/latin1_text.h"
#include "platform/qt/list_font.h"
#include "platform/qt/twips.h"
#include "platform/qt/window_keys.h"

namespace tavrin {
namespace {

constexpr int CharacterStepTwips = 120;
// Room beside the longest line for the list's frame, its item margins and its upright bar.
constexpr int SpareTwips = 600;

}  // namespace

double ReportListWidthFor(int columns) {
  const QFontMetrics metrics(qt::ReportListFont());
  return qt::PixelsToTwipsX(metrics.horizontalAdvance(QString(columns, QChar('0')))) + SpareTwips;
}

ReportListLayout ReportWindowListLayout(double design_width, int columns, double height) {
  constexpr double Left = 90, Top = 120, Gap = 30, ScrollHeight = 255;
  return {Left,
          Top,
          std::max(design_width, ReportListWidthFor(columns)),
          height,
          Top + height + Gap,
          ScrollHeight};
}

ReportListView::ReportListView(QWidget* window, const ReportListLayout& layout, Selection selection)
    : QWidget(window), layout_(layout) {
  // This widget is the visible part of the list: it clips the list as the list slides left.
  setObjectName("List1Clip");
  setGeometry(qt::TwipsRect(layout.left, layout.top, layout.width, layout.height));
  list_ = new QListWidget(this);
  list_->setObjectName("List1");
  list_->setFont(qt::ReportListFont());
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list_->setUniformItemSizes(true);
  list_->setTextElideMode(Qt::ElideNone);
  if (selection == Selection::Never) qt::MakeListReadable(list_);
  qt::AddCopyKey(list_);
  scroll_bar_ = new QScrollBar(Qt::Horizontal, window);
  scroll_bar_->setObjectName("HScroll1");
  scroll_bar_->setGeometry(
      qt::TwipsRect(layout.left, layout.scroll_top, layout.width, layout.scroll_height));
  scroll_bar_->setSingleStep(CharacterStepTwips);
  connect(scroll_bar_, &QScrollBar::valueChanged, this, &ReportListView::HScroll1_Change);
  HScroll1_Change(0);
}

void ReportListView::SetLines(const std::vector<std::string>& lines) {
  qt::ShowReportLines(list_, lines);
  UpdateScrollRange();
}

void ReportListView::SetShown(bool shown) {
  setVisible(shown);
  scroll_bar_->setVisible(shown);
}

void ReportListView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  scroll_bar_->resize(width(), scroll_bar_->height());
  UpdateScrollRange();
  HScroll1_Change(scroll_bar_->value());
}

void ReportListView::HScroll1_Change(int value) {
  // The list moves left by the scroll value and widens by as much, so its right edge (and its
  // upright scroll bar) stays where the window put it.
  list_->setGeometry(-qt::TwipsToPixelsX(value), 0, width() + qt::TwipsToPixelsX(value), height());
}

void ReportListView::UpdateScrollRange() {
  const QFontMetrics metrics(list_->font());
  int widest = 0;
  for (int row = 0; row < list_->count(); ++row) {
    widest = std::max(widest, metrics.horizontalAdvance(list_->item(row)->text()));
  }
  const double needed = qt::PixelsToTwipsX(widest) + SpareTwips;
  const int range = std::max(0, static_cast<int>(needed - qt::PixelsToTwipsX(width())));
  scroll_bar_->setRange(0, range);
  scroll_bar_->setPageStep(std::max(CharacterStepTwips, static_cast<int>(layout_.width / 2)));
}

}  // namespace tavrin
