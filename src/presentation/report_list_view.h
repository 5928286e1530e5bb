#pragma once
// A report list as the report windows show it: the lines in the fixed-pitch font, moved
// sideways by a scroll bar of the window's own (`HScroll1`) instead of a bar on the list, so the
// list's left edge slides out of view while its right edge stays put. A report's lines are
// chosen only to be copied; the keys scroll the list (window_keys.h).

#include <QWidget>
#include <string>
#include <vector>

class QListWidget;
class QScrollBar;

namespace tavrin {

// Positions in twips within the window; the list's left edge and width are those at scroll 0.
struct ReportListLayout {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  double scroll_top = 0;  // HScroll1 lies below the list, as wide as it
  double scroll_height = 255;
};

// The width a list needs to show `columns` characters of the report font in full beside its
// upright scroll bar, in twips.
double ReportListWidthFor(int columns);

// A report window's list at the window's top left (90, 120), as wide as designed or as its
// `columns` need if wider, `height` tall, with HScroll1 right under it.
ReportListLayout ReportWindowListLayout(double design_width, int columns, double height);

class ReportListView : public QWidget {
  Q_OBJECT

 public:
  // Never: a report whose lines are chosen only to copy them; Allowed: one line is chosen to
  // act on it.
  enum class Selection { Never, Allowed };

  ReportListView(QWidget* window, const ReportListLayout& layout, Selection selection);

  // Shows the lines from the top.
  void SetLines(const std::vector<std::string>& lines);
  // Shows or hides the list together with its scroll bar.
  void SetShown(bool shown);

  QListWidget* list() const { return list_; }
  QScrollBar* scroll_bar() const { return scroll_bar_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void HScroll1_Change(int value);
  void UpdateScrollRange();

  QListWidget* list_;
  QScrollBar* scroll_bar_;
  ReportListLayout layout_;
};

}  // namespace tavrin
