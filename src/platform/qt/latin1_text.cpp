#include "platform/qt/latin1_text.h"

namespace tavrin::qt {

QString FromLatin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToLatin1(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (const QChar character : text) {
    const char16_t code = character.unicode();
    bytes.push_back(code <= 0xFF ? static_cast<char>(code) : '?');
  }
  return bytes;
}

QString MessageText(const std::string& text) {
  QString shown = FromLatin1(text);
  shown.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QChar('\r'), QChar('\n'));
  return shown;
}

}  // namespace tavrin::qt
