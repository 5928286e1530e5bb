#include "presentation/report_list_view.h"

#include <QFontMetrics>
#include <QScrollBar>
#include <algorithm>

#include "platform/qt/list_font.h"
#include "platform/qt/window_keys.h"

namespace tavrin {

ReportListView::ReportListView(QWidget* parent, int columns, int rows, Selection selection)
    : QListWidget(parent), columns_(columns), rows_(rows) {
  setObjectName("List1");
  horizontalScrollBar()->setObjectName("HScroll1");
  setFont(qt::ReportListFont());
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setUniformItemSizes(true);
  setTextElideMode(Qt::ElideNone);
  if (selection == Selection::Never) qt::MakeListReadable(this);
  qt::AddCopyKey(this);
  // A character at a time, as a report's columns are.
  horizontalScrollBar()->setSingleStep(QFontMetrics(font()).horizontalAdvance(QChar('0')));
}

void ReportListView::SetLines(const std::vector<std::string>& lines) {
  qt::ShowReportLines(this, lines);
}

QSize ReportListView::sizeHint() const {
  const QFontMetrics metrics(font());
  // Room beside the text for the frame, the item margins and the upright bar.
  const int spare = 2 * frameWidth() + verticalScrollBar()->sizeHint().width() + 12;
  // A whole report where the screen has room for it (its window is never opened taller than
  // the screen); the lines as the list draws them, margins and all.
  const int rows = std::max(rows_, std::min(count(), MostRowsAskedFor));
  const int row_height = count() > 0 ? sizeHintForRow(0) : metrics.lineSpacing();
  return {metrics.horizontalAdvance(QString(columns_, QChar('0'))) + spare,
          rows * row_height + 2 * frameWidth()};
}

}  // namespace tavrin
