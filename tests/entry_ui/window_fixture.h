#pragma once
// What the window tests share: a season copied into a scratch folder and started as the program
// starts it, a stand-in main window, the user's clicks, and the size rule.

#include <QWidget>
#include <QtTest>

#include "reports/golden_case.h"

namespace tavrin::testing {

// The final 1999 season opened as at start-up, on a display with colours enough for the
// pictures.
struct SeasonCopy : OpenedCase {
  SeasonCopy() : OpenedCase("1999") { store.ColourDepthFlag = FullColourDepth; }
  QWidget main_window;
};

// The controls whose text does not fit the room the layout gave them, and the window itself
// when it is narrower than its layout needs. With TAVRIN_SCREENSHOT_DIR set, the window is also
// saved there as a picture for a person to look at.
QStringList ClippedControls(QWidget* window);

// The control of that design name in the window; fails the test when it is missing.
template <typename Widget>
Widget* Control(QWidget* window, const QString& name) {
  auto* control = window->findChild<Widget*>(name);
  if (control == nullptr) qWarning("no control named %s", qPrintable(name));
  return control;
}

// A left click in the middle of the control.
void Click(QWidget* control);
void Click(QWidget* window, const QString& name);
// The open top-level window of that design name, or null.
QWidget* OpenWindow(const QString& name);

}  // namespace tavrin::testing
