#pragma once
// What the data entry windows share: how they open, coloured text, and the captions of the
// league's conferences and divisions.

#include <QString>
#include <array>

#include "platform/qt/dialog_window.h"
#include "platform/session.h"
#include "season/league.h"
#include "season/season_store.h"

class QWidget;

namespace tavrin::entry_ui {

// The command of a window that needs nothing but the session: the busy pointer, then the
// window in front of `owner`.
template <typename Window>
Window* OpenEntryWindow(Session& session, QWidget* owner) {
  session.ui.ShowBusyPointer();
  auto* window = new Window(session, owner);
  qt::ShowDialog(window);
  return window;
}

// Sets the colour of a widget's text (a button's caption, a box's text) from the 16-colour
// palette.
void SetTextColour(QWidget* widget, int palette_colour);

// The caption of a conference's frame and of a division's column, as the windows show them.
QString ConferenceCaption(int conference);
QString DivisionCaption(const league::Division& division);

}  // namespace tavrin::entry_ui
