#pragma once
// The buttons of a dialog's QDialogButtonBox, each added as what it does so that the keys reach
// it: Enter the accepting one (the dialog's default), Escape and Ctrl+W the closing one (through
// the dialog's reject), Ctrl+P the printing one and F1 the help one.

#include <QString>

#include "platform/qt/pictures.h"

class QDialog;
class QDialogButtonBox;
class QPushButton;

namespace tavrin::qt {

enum class DialogButton {
  Accept,  // the default button, which Enter presses
  Action,  // does its work and leaves the dialog open
  Print,   // Ctrl+P
  Help,    // F1
  Close,   // Escape, Ctrl+W and the close box do the same
};

// A button box of `dialog` whose closing button rejects the dialog.
QDialogButtonBox* MakeDialogButtonBox(QDialog* dialog,
                                      Qt::Orientation orientation = Qt::Horizontal);

// Adds a button named after its design control (tests and the help find it by that name).
QPushButton* AddDialogButton(QDialogButtonBox* box, DialogButton kind, const char* name,
                             const QString& caption, const QString& tooltip);
QPushButton* AddDialogButton(QDialogButtonBox* box, DialogButton kind, const char* name,
                             const QString& caption, const QString& tooltip, ButtonPicture picture);

}  // namespace tavrin::qt
