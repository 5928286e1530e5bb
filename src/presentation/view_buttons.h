#pragma once
// The picture buttons of the view windows, in the window's button box: a picture with its
// caption ("Print", "Close", "Help", "OK"), a tooltip and the design name. Each does what its
// picture says, so the window's keys reach it (platform/qt/dialog_buttons.h); the close button
// is the one Enter presses unless the window has a button that accepts.

#include <QString>

#include "platform/qt/pictures.h"

class QDialogButtonBox;
class QPushButton;

namespace tavrin {

QPushButton* AddViewButton(QDialogButtonBox* box, const char* name, qt::ButtonPicture picture,
                           const QString& tooltip);

}  // namespace tavrin
