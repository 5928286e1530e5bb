#pragma once
// What the window tests share: an opened season, a stand-in main window, clicks, and the rules
// every secondary window keeps.

#include <QWidget>
#include <QtTest>

#include "graphs/graph_teams.h"
#include "reports/golden_case.h"

namespace tavrin::testing {

// The final 1999 season opened as at start-up, with a stand-in main window on the screen.
struct SeasonCopy : OpenedCase {
  SeasonCopy() : OpenedCase("1999") {
    main_window.setObjectName("Form2");
    main_window.resize(640, 480);
    main_window.show();
  }
  QWidget main_window;
  GraphTeams graph_teams;  // the main window's choice of graph teams
};

// The screen the windows must fit, less the window frame and title bar around them.
inline constexpr QSize SmallScreen(1024, 700);
inline constexpr QSize FrameRoom(20, 40);

// Whether a window's content can grow with it (reports, charts) or it keeps its laid-out size.
enum class Growth { Resizable, Fixed };

// A dialog owned by `main_window` and window-modal over it, every box labelled, fitting a
// 1024x700 screen, resizing exactly when its content can grow and giving the growth to it.
void ExpectDialogRules(QWidget* window, QWidget* main_window, Growth growth);

// The controls whose text does not fit their room, and the window when it is narrower than its
// layout.
QStringList ClippedControls(QWidget* window);

// The control of that design name; when it is missing, fails the test and hands back a stand-in.
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
