#include "platform/qt/list_font.h"

#include <QFontDatabase>

namespace tavrin::qt {

QFont ReportListFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSize(10);
  return font;
}

}  // namespace tavrin::qt
