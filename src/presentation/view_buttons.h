#pragma once
// The picture buttons of the view windows: a picture with its caption, a tooltip and the design
// name.

#include <QString>

#include "platform/qt/pictures.h"

class QPushButton;
class QWidget;

namespace tavrin {

// A picture button at (left, top) in twips, captioned after its picture ("Print", "Close",
// "Help", "OK").
QPushButton* MakePictureButton(QWidget* window, const char* name, qt::ButtonPicture picture,
                               const QString& tooltip, double left, double top);

// Sets each row of picture buttons that holds a close button side by side, wide enough for their
// captions, in their order from left to right and ending where the row's rightmost button ended,
// so every window closes from its bottom right corner with Print just before Close.
void ArrangeClosingButtons(QWidget* window);

}  // namespace tavrin
