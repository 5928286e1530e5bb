#pragma once
// The 16-colour palette the windows and the chart name their colours by
// (0 black, 7 light grey, 15 white, ...).

#include <QColor>

namespace tavrin::qt {

// Colour 0..15 of the palette; any other index gives black.
QColor PaletteColour(int index);

}  // namespace tavrin::qt
