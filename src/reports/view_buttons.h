#pragma once
// The picture buttons of the view windows: a picture, a tooltip and the design name.

#include <QString>

#include "platform/qt/pictures.h"

class QPushButton;
class QWidget;

namespace tavrin {

// A square picture button at (left, top) in twips.
QPushButton* MakePictureButton(QWidget* window, const char* name, qt::ButtonPicture picture,
                               const QString& tooltip, double left, double top);

}  // namespace tavrin
