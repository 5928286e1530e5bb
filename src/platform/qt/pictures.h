#pragma once
// The program's pictures, drawn in code: the toolbar buttons (a full-colour set and a set in
// the 16 basic colours for low-colour displays), the small button pictures, the splash picture
// and the application icon.

#include <QIcon>
#include <QPainter>
#include <QPixmap>

class QWidget;

namespace tavrin::qt {

inline constexpr int ToolbarButtonCount =
    5;  // schedules, enter scores, predictions, standings, help
inline constexpr int ToolbarPictureSize = 40;

// Picture of toolbar button 0..4; low_colour draws it in the 16 basic colours only.
QPixmap ToolbarPicture(int button, bool low_colour);

enum class ButtonPicture { Done, Print, Accept, Info };
QIcon ButtonIcon(ButtonPicture picture);

// Shades a rectangle from one colour at the top to another at the bottom. Drawn in bands
// rather than with a gradient brush, whose colour table Qt builds on worker threads: at
// start-up, on a busy machine, waiting for them costs more than the drawing.
void PaintVerticalShade(QPainter& painter, const QRectF& area, const QColor& top,
                        const QColor& bottom);

// Displays of more than 7 bits per pixel show the pictures in colour, the others the low-colour
// set. A display that tells nothing (0 bits) counts as a colour display.
constexpr bool IsColourDepth(int bits_per_pixel) {
  return bits_per_pixel > 7 || bits_per_pixel <= 0;
}
// Whether the screen `widget` stands on shows the colour pictures.
bool ShowsColourPictures(const QWidget& widget);

// The splash picture, 400 x 300 pixels.
QPixmap SplashPicture();
QIcon ApplicationIcon();

}  // namespace tavrin::qt
