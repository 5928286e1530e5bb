#include "entry/entry_window_support.h"

#include <QPushButton>

#include "platform/qt/latin1_text.h"
#include "platform/qt/palette.h"

namespace tavrin::entry_ui {

void SetTextColour(QWidget* widget, int palette_colour) {
  QPalette palette = widget->palette();
  const QColor colour = qt::PaletteColour(palette_colour);
  palette.setColor(QPalette::ButtonText, colour);
  palette.setColor(QPalette::Text, colour);
  palette.setColor(QPalette::WindowText, colour);
  widget->setPalette(palette);
}

QString ConferenceCaption(int conference) {
  return qt::FromLatin1(league::ConferenceNames[static_cast<std::size_t>(conference)]) +
         " Conference";
}

QString DivisionCaption(const league::Division& division) {
  return qt::FromLatin1(division.name).toUpper();
}

}  // namespace tavrin::entry_ui
