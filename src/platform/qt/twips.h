#pragma once
// Sizes given in twips (1440 to the inch), the unit the season's charts and the windows' room
// are measured in. One mapping to pixels at the screen's logical resolution serves every window,
// so a size keeps its proportions to the text whatever the desktop's scaling.

#include <QSize>

namespace tavrin::qt {

inline constexpr double TwipsPerInch = 1440.0;

// Pixels for a length in twips at a given resolution (dots per inch), rounded to the nearest.
int TwipsToPixels(double twips, double dots_per_inch);
double PixelsToTwips(int pixels, double dots_per_inch);

// The same at the primary screen's logical resolution (96 when there is no screen).
int TwipsToPixelsX(double twips);
int TwipsToPixelsY(double twips);
QSize TwipsSize(double width, double height);

}  // namespace tavrin::qt
