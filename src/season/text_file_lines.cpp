#include "season/text_file_lines.h"

namespace tavrin {

bool TakeLine(std::string_view& text, std::string_view& line) {
  if (text.empty()) return false;
  const std::size_t end = text.find_first_of("\r\n");
  line = text.substr(0, end);
  if (end == std::string_view::npos) {
    text = {};
    return true;
  }
  const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
  text.remove_prefix(end + (crlf ? 2 : 1));
  return true;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (std::string_view line; TakeLine(text, line);) lines.push_back(line);
  return lines;
}

std::string LineValue(std::string_view line) {
  const std::size_t first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  line.remove_prefix(first);
  if (line.front() == '"') {
    line.remove_prefix(1);
    return std::string(line.substr(0, line.find('"')));
  }
  line = line.substr(0, line.find(','));
  const std::size_t last = line.find_last_not_of(" \t");
  return std::string(line.substr(0, last == std::string_view::npos ? 0 : last + 1));
}

std::string QuotedLine(std::string_view value) {
  std::string line;
  line.reserve(value.size() + 4);
  line += '"';
  line += value;
  line += '"';
  line += LineEnd;
  return line;
}

bool FitsQuotedLine(std::string_view value) {
  return value.find_first_of("\"\r\n") == std::string_view::npos;
}

}  // namespace tavrin
