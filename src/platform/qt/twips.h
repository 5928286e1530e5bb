#pragma once
// The windows are laid out in twips (1440 to the inch), as they were designed. One mapping to
// pixels at the screen's logical resolution serves every window, so a layout keeps its
// proportions to the text whatever the desktop's scaling.

#include <QRect>
#include <QSize>

namespace tavrin::qt {

inline constexpr double TwipsPerInch = 1440.0;

// Pixels for a length in twips at a given resolution (dots per inch), rounded to the nearest.
int TwipsToPixels(double twips, double dots_per_inch);
double PixelsToTwips(int pixels, double dots_per_inch);

// The same at the primary screen's logical resolution (96 when there is no screen).
int TwipsToPixelsX(double twips);
int TwipsToPixelsY(double twips);
double PixelsToTwipsX(int pixels);
double PixelsToTwipsY(int pixels);
QRect TwipsRect(double left, double top, double width, double height);
QSize TwipsSize(double width, double height);

}  // namespace tavrin::qt
