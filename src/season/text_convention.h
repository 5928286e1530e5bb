#pragma once
// The text conventions that every data file and report column hangs on: the lenient
// number reading, the 16-bit conversion with halves to even, "general number form" and the
// format patterns of the reports.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavrin {

// The number at the start of the text: leading blanks, an optional sign, digits, an optional
// point and digits; no exponent, and a blank inside the number ends it. 0 when there is none.
double ReadLenientNumber(std::string_view text);

// A whole number the user typed in a box: the number at the start of the text after blanks, as
// the lenient reading takes it ("21 " and "21abc" are 21). Nothing when the text does not start
// with a digit (empty, a sign, a quote, a letter), has a fraction ("20.5") or exceeds `limit`.
std::optional<int> ReadTypedWholeNumber(std::string_view text, int limit);

// Rounds half to even (2.5 -> 2, 3.5 -> 4); nothing when the result does not fit 16 bits.
std::optional<int16_t> ToInt16(double value);

// "General number form": no leading blank, "0.5" for a half, no trailing zeros, no point for a
// whole number; at most 7 significant digits for a single, 15 for a double.
std::string GeneralNumber(float value);
std::string GeneralNumber(double value);
std::string GeneralNumber(int value);

// The report patterns "0.000", "#0.0", "00", "00.0", "0000" (digits '0' always shown, '#'
// shown only when significant), rounding half away from zero on the value's decimal form of
// 7 significant digits for a single and 15 for a double. Negative values get a leading "-"
// unless they round to zero.
std::string FormatNumber(float value, std::string_view pattern);
std::string FormatNumber(double value, std::string_view pattern);
// Whole numbers (years, weeks, scores), so that 16-bit values pick no floating overload.
std::string FormatNumber(int value, std::string_view pattern);

// A year in four digits ("0000"), as every caption, report and the market lines file name
// write it.
std::string YearText(int year);

// Pads with spaces to the given width; a longer text is returned whole.
std::string PadRight(std::string text, std::size_t width);

}  // namespace tavrin
