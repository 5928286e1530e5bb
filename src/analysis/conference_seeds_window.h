#pragma once
// The seeds window `Seeds`: each conference's play-off seeds after a scored week, with the step
// that placed each, the last scored week first and any other on request.

#include <QDialog>
#include <string>
#include <vector>

#include "platform/session.h"

class QLineEdit;

namespace tavrin {

class ReportListView;

class ConferenceSeedsWindow : public QDialog {
  Q_OBJECT

 public:
  ConferenceSeedsWindow(Session& session, int week, std::vector<std::string> lines, QWidget* owner);

 private:
  // The seeds after the week typed in the box; the list stays as it was when it is refused.
  void OnShowWeek();
  void OnPrint();

  Session& session_;
  int week_;  // the week listed, which names the print job
  std::vector<std::string> lines_;
  QLineEdit* week_box_;
  ReportListView* seeds_list_;
};

// The "&Seeds" command: the seeds after the last scored week, in a window in front of the main
// window. Null, the user told why, when no week is scored or a played week cannot be read.
QDialog* OpenConferenceSeedsWindow(Session& session, QWidget* main_window);

}  // namespace tavrin
