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
// For the fields of the data files only, which must load as they are written.
double ReadLenientNumber(std::string_view text);

// What a person or an input file gives as a number is read strictly: blanks around it are
// harmless, anything else makes it no number, so a typo is refused rather than stored.
// Digits only: "21 " is 21; "21abc", "1e2", "0x10", "24,5", "+3", "-3" and "" are nothing, as is
// a number too large for 64 bits.
std::optional<std::uint64_t> ReadWholeDigits(std::string_view text);
// The same, nothing above `limit` either.
std::optional<int> ReadTypedWholeNumber(std::string_view text, int limit);
// Digits with at most one decimal point and a digit on one side of it at least ("62.5", ".5",
// "7."); no sign, no exponent.
std::optional<double> ReadTypedDecimal(std::string_view text);

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
