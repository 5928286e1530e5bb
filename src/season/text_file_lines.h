#pragma once
// The sequential text-file conventions of the settings and names files: one value per line,
// lines ending in CR LF, strings in double quotes.

#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

inline constexpr std::string_view LineEnd = "\r\n";

// The file's lines without their endings; CR LF, a lone LF and a lone CR all end a line, and a
// last line without an ending still counts.
std::vector<std::string_view> SplitLines(std::string_view text);

// Takes the first line off `text` into `line`, by the same rules; false when no text is left.
// For files too large to hold a view of every line at once.
bool TakeLine(std::string_view& text, std::string_view& line);

// A line's value: leading blanks skipped, then either the text inside double quotes (to the
// closing quote, or to the end of the line when there is none) or the text up to the first
// comma with trailing blanks removed.
std::string LineValue(std::string_view line);

// The value written as a double-quoted string line; nothing can escape a quote in this format.
std::string QuotedLine(std::string_view value);

// Whether the value can be written as one quoted line and read back unchanged.
bool FitsQuotedLine(std::string_view value);

}  // namespace tavrin
