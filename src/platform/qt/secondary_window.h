#pragma once
// Secondary windows: a window opened from the main window stands in front of it, centred on
// the screen, keeps the main window disabled until it closes and answers the usual keys
// (window_keys.h). A window may hand over to the next one (the graph's team selection and the
// graph itself): the main window stays disabled for as long as any of its secondary windows is
// open.

class QWidget;

namespace tavrin::qt {

// Shows `window` as a window of its own, centred on the screen, and disables `owner` until
// every window shown this way over it has closed; closing deletes the window. A null owner
// (a window opened on its own) disables nothing.
void ShowSecondaryWindow(QWidget* window, QWidget* owner);

// Centres `window` on the available area of the screen `owner` stands on (the primary screen
// without an owner).
void CentreOnScreen(QWidget* window, const QWidget* owner);

// The number of secondary windows open over `owner`.
int OpenSecondaryWindowCount(const QWidget* owner);

}  // namespace tavrin::qt
