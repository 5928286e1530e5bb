#pragma once
// The windows' push buttons: named after their design control (tests and the help find them by
// that name), with a tooltip and, for some, a picture.

#include <QPushButton>
#include <QString>

#include "platform/qt/pictures.h"

namespace tavrin::qt {

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& tooltip);
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& tooltip, ButtonPicture picture);

}  // namespace tavrin::qt
