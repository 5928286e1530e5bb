#pragma once
// What the data entry windows share: how they open, their buttons, coloured text, and the
// league's conference and division layout.

#include <QString>
#include <array>

#include "platform/qt/pictures.h"
#include "platform/qt/secondary_window.h"
#include "platform/session.h"
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

// A push button named after its design control, with its tooltip.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& tooltip);
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& tooltip, qt::ButtonPicture picture);

// Sets the colour of a widget's text (a button's caption, a box's text) from the 16-colour
// palette.
void SetTextColour(QWidget* widget, int palette_colour);

// The windows lay teams out by conference and division; membership is fixed by team number.
struct Division {
  int conference;  // 0 AFC, 1 NFC
  const char* caption;
  int first_team;
  int last_team;
};
inline constexpr std::array<const char*, 2> ConferenceCaptions = {"AFC Conference",
                                                                  "NFC Conference"};
inline constexpr std::array<Division, 6> Divisions = {{{0, "EAST", 1, 5},
                                                        {0, "CENTRAL", 6, 11},
                                                        {0, "WEST", 12, 16},
                                                        {1, "EAST", 17, 21},
                                                        {1, "CENTRAL", 22, 26},
                                                        {1, "WEST", 27, 31}}};

}  // namespace tavrin::entry_ui
