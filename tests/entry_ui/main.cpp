#include <QApplication>

#include "entry_ui/test_suites.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int failures = RunWeekCycleTests(argc, argv);
  failures += RunWindowInputTests(argc, argv);
  failures += RunWindowLayoutTests(argc, argv);
  return failures;
}
