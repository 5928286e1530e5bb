#include "platform/qt/palette.h"

#include <array>

namespace tavrin::qt {

QColor PaletteColour(int index) {
  static const std::array<QColor, 16> colours{
      QColor(0, 0, 0),       QColor(0, 0, 128),   QColor(0, 128, 0),   QColor(0, 128, 128),
      QColor(128, 0, 0),     QColor(128, 0, 128), QColor(128, 128, 0), QColor(192, 192, 192),
      QColor(128, 128, 128), QColor(0, 0, 255),   QColor(0, 255, 0),   QColor(0, 255, 255),
      QColor(255, 0, 0),     QColor(255, 0, 255), QColor(255, 255, 0), QColor(255, 255, 255)};
  if (index < 0 || index >= static_cast<int>(colours.size())) return colours[0];
  return colours[static_cast<std::size_t>(index)];
}

}  // namespace tavrin::qt
