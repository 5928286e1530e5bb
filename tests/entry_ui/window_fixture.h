#pragma once
// What the window tests share: a season copied into a scratch folder and started as the program
// starts it, a stand-in main window, the user's clicks, and the rules every secondary window
// keeps.

#include <QWidget>
#include <QtTest>

#include "reports/golden_case.h"

namespace tavrin::testing {

// The final 1999 season opened as at start-up, on a display with colours enough for the
// pictures, with a stand-in main window on the screen for the windows to stand in front of.
struct SeasonCopy : OpenedCase {
  SeasonCopy() : OpenedCase("1999") {
    store.ColourDepthFlag = FullColourDepth;
    main_window.setObjectName("Form2");
    main_window.resize(640, 480);
    main_window.show();
  }
  QWidget main_window;
};

// The screen the windows must fit, less the window frame and title bar around them.
inline constexpr QSize SmallScreen(1024, 700);
inline constexpr QSize FrameRoom(20, 40);

// Whether a window's content can grow with it (reports, charts) or it keeps its laid-out size.
enum class Growth { Resizable, Fixed };

// The boxes (text, choice, number and slider) that no label names as its buddy and that carry no
// name of their own, so that neither a mnemonic nor a screen reader reaches them.
QStringList UnlabelledBoxes(QWidget* window);

// Checks the rules every secondary window keeps: a dialog owned by `main_window` and
// window-modal over it, so the window system keeps it in front and the main window takes no
// input; every box labelled; its least size fits a 1024x700 screen; and it resizes exactly when its
// content can grow, the growth going to its content.
void ExpectDialogRules(QWidget* window, QWidget* main_window, Growth growth);

// The controls whose text does not fit the room the layout gave them, and the window itself
// when it is narrower than its layout needs. With TAVRIN_SCREENSHOT_DIR set, the window is also
// saved there as a picture for a person to look at.
QStringList ClippedControls(QWidget* window);

// The control of that design name in the window; fails the test when it is missing, handing
// back a blank stand-in so that the failed test ends without a crash.
template <typename Widget>
Widget* Control(QWidget* window, const QString& name) {
  if (window != nullptr) {
    if (auto* control = window->findChild<Widget*>(name)) return control;
  }
  QTest::qFail(qPrintable(QStringLiteral("no control named %1").arg(name)), __FILE__, __LINE__);
  return new Widget(window);
}

// A left click in the middle of the control.
void Click(QWidget* control);
void Click(QWidget* window, const QString& name);
// The open top-level window of that design name, or null.
QWidget* OpenWindow(const QString& name);

}  // namespace tavrin::testing
