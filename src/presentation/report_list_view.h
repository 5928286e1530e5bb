#pragma once
// A report list as the report windows show it: the lines in the fixed-pitch font, at least as
// wide as a report line and as tall as a number of lines, growing with its window, moved
// sideways by its own scroll bar `HScroll1` when the window is narrower than the lines. A
// report's lines are chosen only to be copied; the keys scroll the list (window_keys.h).

#include <QListWidget>
#include <string>
#include <vector>

namespace tavrin {

class ReportListView : public QListWidget {
  Q_OBJECT

 public:
  // Never: a report whose lines are chosen only to copy them; Allowed: one line is chosen to
  // act on it.
  enum class Selection { Never, Allowed };

  // The most lines a list asks room for, a whole report of one season on a large screen.
  static constexpr int MostRowsAskedFor = 40;

  // A list named `List1` that asks for room for `columns` characters and at least `rows` lines,
  // or for as many lines as it holds up to the most above.
  ReportListView(QWidget* parent, int columns, int rows, Selection selection);

  // Shows the lines from the top.
  void SetLines(const std::vector<std::string>& lines);

  QSize sizeHint() const override;

 private:
  int columns_;
  int rows_;
};

}  // namespace tavrin
