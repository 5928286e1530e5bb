#pragma once
// The core keeps its text as Latin-1 bytes with "\n\r" as the line break of messages; the
// windows show QStrings.

#include <QString>
#include <string>
#include <string_view>

namespace tavrin::qt {

QString FromLatin1(std::string_view text);
// Characters Latin-1 cannot hold become '?'.
std::string ToLatin1(const QString& text);
// A message as a dialog shows it: every "\n\r" (and any stray carriage return) a line break.
QString MessageText(const std::string& text);

}  // namespace tavrin::qt
