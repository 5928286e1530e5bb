#include "season/text_convention.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace tavrin {

namespace {

constexpr int SingleDigits = 7;
constexpr int DoubleDigits = 15;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// printf-style "%.Ng" or "%.Ne" text, always with a point as the decimal separator whatever
// locale the front end sets.
std::string DecimalText(double value, std::chars_format format, int precision) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
  return std::string(buffer, result.ptr);
}

std::string GeneralNumberWithDigits(double value, int digits) {
  if (value == 0) return "0";  // also turns a negative zero into "0"
  std::string text = DecimalText(value, std::chars_format::general, digits);
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  return text;
}

// Adds one to a string of decimal digits, growing it on a carry out of the first digit.
void IncrementDigits(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
}

struct Pattern {
  int minimum_integer_digits = 0;  // the '0's before the point
  int decimals = 0;
};

Pattern ParsePattern(std::string_view pattern) {
  Pattern parsed;
  const std::size_t point = pattern.find('.');
  const std::string_view integer_part = pattern.substr(0, point);
  for (char c : integer_part) {
    if (c == '0') ++parsed.minimum_integer_digits;
  }
  if (point != std::string_view::npos) {
    parsed.decimals = static_cast<int>(pattern.size() - point - 1);
  }
  return parsed;
}

// Formats the value's decimal form of `significant` digits to the pattern, rounding that
// decimal form half away from zero (so 0.5625 gives 0.563 although printf would give 0.562).
std::string FormatWithDigits(double value, std::string_view pattern_text, int significant) {
  if (!std::isfinite(value)) return GeneralNumberWithDigits(value, significant);
  const Pattern pattern = ParsePattern(pattern_text);

  // "d.dddddde+XX": the significant digits and the power of ten of the first one.
  const std::string scientific =
      DecimalText(std::fabs(value), std::chars_format::scientific, significant - 1);
  const std::size_t exponent_at = scientific.find('e');
  std::string mantissa;
  for (std::size_t i = 0; i < exponent_at; ++i) {
    if (IsDigit(scientific[i])) mantissa += scientific[i];
  }
  const int exponent = std::atoi(scientific.c_str() + exponent_at + 1);

  // Place the point: `integer_digits` digits stand before it (zeros added as needed).
  const int integer_digits = exponent + 1;
  std::string digits;  // integer digits followed by fraction digits
  std::size_t fraction_length;
  if (integer_digits <= 0) {
    digits = std::string(static_cast<std::size_t>(-integer_digits), '0') + mantissa;
    fraction_length = digits.size();
  } else if (static_cast<std::size_t>(integer_digits) >= mantissa.size()) {
    digits = mantissa + std::string(integer_digits - mantissa.size(), '0');
    fraction_length = 0;
  } else {
    digits = mantissa;
    fraction_length = mantissa.size() - integer_digits;
  }
  const std::size_t decimals = static_cast<std::size_t>(pattern.decimals);
  if (fraction_length > decimals) {
    const char first_dropped = digits[digits.size() - fraction_length + decimals];
    digits.resize(digits.size() - fraction_length + decimals);
    if (first_dropped >= '5') IncrementDigits(digits);
  } else {
    digits.append(decimals - fraction_length, '0');
  }

  std::string integer_part = digits.substr(0, digits.size() - decimals);
  const std::string fraction_part = digits.substr(digits.size() - decimals);
  integer_part.erase(0, integer_part.find_first_not_of('0'));
  if (integer_part.size() < static_cast<std::size_t>(pattern.minimum_integer_digits)) {
    integer_part.insert(0, pattern.minimum_integer_digits - integer_part.size(), '0');
  }

  std::string text;
  const bool shows_nonzero = digits.find_first_not_of('0') != std::string::npos;
  if (value < 0 && shows_nonzero) text += '-';  // a value that rounds to zero has no sign
  text += integer_part;
  if (decimals > 0) text += '.' + fraction_part;
  return text;
}

}  // namespace

double ReadLenientNumber(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }
  const std::size_t start = at;
  bool has_digit = false;
  bool nonzero_integer_part = false;
  while (at < text.size() && IsDigit(text[at])) {
    has_digit = true;
    nonzero_integer_part = nonzero_integer_part || text[at] != '0';
    ++at;
  }
  if (at < text.size() && text[at] == '.') {
    ++at;
    while (at < text.size() && IsDigit(text[at])) {
      has_digit = true;
      ++at;
    }
  }
  if (!has_digit) return 0;

  double magnitude = 0;
  const auto [end, error] = std::from_chars(text.data() + start, text.data() + at, magnitude);
  (void)end;
  if (error == std::errc::result_out_of_range) {
    // Too many digits for a double: infinite when the whole part is not zero, else vanishing.
    magnitude = nonzero_integer_part ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -magnitude : magnitude;
}

namespace {

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t start = text.find_first_not_of(" \t");
  if (start == std::string_view::npos) return {};
  return text.substr(start, text.find_last_not_of(" \t") - start + 1);
}

bool AllDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return IsDigit(c); });
}

}  // namespace

std::optional<std::uint64_t> ReadWholeDigits(std::string_view text) {
  const std::string_view digits = TrimBlanks(text);
  if (digits.empty() || !AllDigits(digits)) return std::nullopt;
  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

std::optional<int> ReadTypedWholeNumber(std::string_view text, int limit) {
  const auto value = ReadWholeDigits(text);
  if (!value || limit < 0 || *value > static_cast<std::uint64_t>(limit)) return std::nullopt;
  return static_cast<int>(*value);
}

std::optional<double> ReadTypedDecimal(std::string_view text) {
  const std::string_view number = TrimBlanks(text);
  const std::size_t point = number.find('.');
  const std::string_view whole = number.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : number.substr(point + 1);
  if (whole.size() + fraction.size() == 0 || !AllDigits(whole) || !AllDigits(fraction)) {
    return std::nullopt;
  }
  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                            std::chars_format::fixed);
  if (error != std::errc() || end != number.data() + number.size()) return std::nullopt;
  return value;
}

std::optional<int16_t> ToInt16(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double rounded = std::nearbyint(value);  // the default mode rounds halves to even
  if (rounded < std::numeric_limits<int16_t>::min() ||
      rounded > std::numeric_limits<int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<int16_t>(rounded);
}

std::string GeneralNumber(float value) { return GeneralNumberWithDigits(value, SingleDigits); }
std::string GeneralNumber(double value) { return GeneralNumberWithDigits(value, DoubleDigits); }
std::string GeneralNumber(int value) { return std::to_string(value); }

std::string FormatNumber(float value, std::string_view pattern) {
  return FormatWithDigits(value, pattern, SingleDigits);
}
std::string FormatNumber(double value, std::string_view pattern) {
  return FormatWithDigits(value, pattern, DoubleDigits);
}
std::string FormatNumber(int value, std::string_view pattern) {
  return FormatWithDigits(value, pattern, DoubleDigits);
}

std::string YearText(int year) { return FormatNumber(year, "0000"); }

std::string PadRight(std::string text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

}  // namespace tavrin
