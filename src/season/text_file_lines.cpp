#include "season/text_file_lines.h"

namespace tavrin {

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
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
