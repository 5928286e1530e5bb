#pragma once
// What the data entry windows share: how they open, their buttons, coloured text, and the
// captions of the league's conferences and divisions.

#include <QString>
#include <array>

#include "platform/qt/pictures.h"
#include "platform/qt/push_button.h"
#include "platform/qt/secondary_window.h"
#include "platform/session.h"
#include "season/league.h"
#include "season/season_store.h"

class QLineEdit;
class QPushButton;
class QWidget;

namespace tavrin::entry_ui {

// The command of a window that needs nothing but the session: the busy pointer, then the
// window in front of `owner`.
template <typename Window>
Window* OpenEntryWindow(Session& session, QWidget* owner) {
  session.ui.ShowBusyPointer();
  auto* window = new Window(session);
  qt::ShowSecondaryWindow(window, owner);
  return window;
}

// Sets the colour of a widget's text (a button's caption, a box's text) from the 16-colour
// palette.
void SetTextColour(QWidget* widget, int palette_colour);

// The caption of a conference's frame and of a division's column, as the windows show them.
QString ConferenceCaption(int conference);
QString DivisionCaption(const league::Division& division);

}  // namespace tavrin::entry_ui
