#pragma once
// The weekly results window `VResults`: one week's predictions against its results.

#include <QDialog>
#include <string>
#include <vector>

#include "platform/session.h"

namespace tavrin {

class WeeklyResultsWindow : public QDialog {
  Q_OBJECT

 public:
  WeeklyResultsWindow(Session& session, int week, std::vector<std::string> lines, QWidget* owner);

 private:
  void OnPrint();

  Session& session_;
  int week_;  // the week listed, which names the print job
  std::vector<std::string> lines_;
};

// The results of `week`: runs the command's checks and, when they pass, opens the window in
// front of the main window. Null when refused.
QDialog* OpenWeeklyResultsWindow(Session& session, int week, QWidget* main_window);

}  // namespace tavrin
