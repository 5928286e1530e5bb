#include "season/text_convention.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace tavrin {
namespace {

// Catches a lenient reader that loses a sign, reads past the number, or breaks on huge input.
TEST(ReadLenientNumber, TakesTheNumberAtTheStartOrZero) {
  const std::pair<std::string, double> cases[] = {
      {"17", 17}, {"   42abc", 42}, {"\t-3.25", -3.25}, {"+8", 8},  {".5", 0.5},
      {"7.", 7},  {"", 0},          {"abc", 0},         {"-", 0},   {".", 0},
      {"1 2", 1}, {"1e5", 1},       {"1.5.3", 1.5},     {"- 4", 0}, {"12,5", 12}};
  for (const auto& [text, value] : cases) EXPECT_EQ(ReadLenientNumber(text), value) << text;
  const std::string huge(400, '9');
  EXPECT_EQ(ReadLenientNumber(huge), std::numeric_limits<double>::infinity());
  EXPECT_EQ(ReadLenientNumber("-" + huge), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(ReadLenientNumber("0." + std::string(400, '0') + "1"), 0);
  EXPECT_EQ(ReadLenientNumber(std::string(400, '0') + "3"), 3);
}

// Catches halves rounded away from zero, or an out-of-range value wrapped instead of refused.
TEST(ToInt16, RoundsHalvesToEvenAndRefusesWhatDoesNotFit) {
  const std::pair<double, std::optional<int16_t>> cases[] = {
      {2.5, 2},      {3.5, 4},     {-2.5, -2},     {-3.5, -4},       {2.4999, 2},
      {2.5001, 3},   {0.5, 0},     {32767, 32767}, {32767.4, 32767}, {-32768.5, -32768},
      {32767.5, {}}, {-32769, {}}, {1e300, {}}};
  for (const auto& [value, expected] : cases) EXPECT_EQ(ToInt16(value), expected) << value;
  EXPECT_EQ(ToInt16(std::numeric_limits<double>::infinity()), std::nullopt);
  EXPECT_EQ(ToInt16(std::nan("")), std::nullopt);
}

// Catches the wrong number of significant digits, padding, or exponent form for each width.
TEST(GeneralNumber, SevenDigitsForASingleFifteenForADoubleExponentOnlyAtTheExtremes) {
  const std::pair<float, const char*> singles[] = {
      {100.0f, "100"},  {0.5f, "0.5"},       {-0.5f, "-0.5"},
      {0.0f, "0"},      {-0.0f, "0"},        {62.5f, "62.5"},
      {0.1f, "0.1"},    {60.55f, "60.55"},   {1234567.0f, "1234567"},
      {1e20f, "1E+20"}, {0.0001f, "0.0001"}, {0.00001f, "1E-05"}};
  EXPECT_EQ(GeneralNumber(1.0f / 3.0f), "0.3333333");
  EXPECT_EQ(GeneralNumber(12345678.0f), "1.234568E+07");
  for (const auto& [value, text] : singles) EXPECT_EQ(GeneralNumber(value), text) << text;
  const std::pair<double, const char*> doubles[] = {
      {1.0 / 3.0, "0.333333333333333"},
      {static_cast<double>(60.55f), "60.5499992370605"},
      {0.1, "0.1"},
      {123456789012345.0, "123456789012345"},
      {1e300, "1E+300"}};
  for (const auto& [value, text] : doubles) EXPECT_EQ(GeneralNumber(value), text) << text;
  EXPECT_EQ(GeneralNumber(-7), "-7");
}

// Catches a pattern filled wrongly, or halves of the seven-digit form not rounded away from zero.
TEST(FormatNumber, FillsThePatternsRoundingHalvesAwayFromZero) {
  // 9/16, a 9-7 record, is exact in binary: half-to-even would print 0.562. 60.55f is
  // 60.5499992..., but its seven-digit form is 60.55000, so it rounds up. A value that rounds
  // to zero has no sign.
  const std::pair<float, const char*> thousandths[] = {
      {0.8571429f, "0.857"}, {0.0f, "0.000"},    {0.5625f, "0.563"},   {0.9996f, "1.000"},
      {-0.5625f, "-0.563"},  {0.0005f, "0.001"}, {0.0004999f, "0.000"}};
  const std::pair<float, const char*> tenths[] = {
      {78.3f, "78.3"},  {5.0f, "5.0"},     {0.04f, "0.0"},   {123.45f, "123.5"},
      {60.55f, "60.6"}, {99.95f, "100.0"}, {-3.25f, "-3.3"}, {-0.04f, "0.0"}};
  const std::pair<float, const char*> wholes[] = {
      {7.0f, "07"}, {41.5f, "42"}, {140.0f, "140"}, {2.5f, "03"}};
  for (const auto& [value, text] : thousandths)
    EXPECT_EQ(FormatNumber(value, "0.000"), text) << value;
  for (const auto& [value, text] : tenths) EXPECT_EQ(FormatNumber(value, "#0.0"), text) << value;
  for (const auto& [value, text] : wholes) EXPECT_EQ(FormatNumber(value, "00"), text) << value;
  EXPECT_EQ(FormatNumber(9.9f, "00.0"), "09.9");
  EXPECT_EQ(FormatNumber(1e10f, "#0.0"), "10000000000.0");
  // The double keeps fifteen digits: 60.5499992370605 rounds down.
  EXPECT_EQ(FormatNumber(static_cast<double>(60.55f), "#0.0"), "60.5");
  EXPECT_EQ(FormatNumber(0.25, "#0.0"), "0.3");
  EXPECT_EQ(FormatNumber(97, "0000"), "0097");
  EXPECT_EQ(FormatNumber(-7, "00"), "-07");
  EXPECT_EQ(FormatNumber(static_cast<int16_t>(2000), "0000"), "2000");
  EXPECT_EQ(FormatNumber(std::numeric_limits<float>::max(), "00").size(), 39u);
}

// Catches a typed number read from its first digits, an exponent, hex, a sign, a comma, overflow.
TEST(StrictNumbers, OnlyAWholeNumberWithBlanksAroundItIsANumber) {
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"21", 21},    {"21 ", 21},          {" \t7\t", 7},
      {"007", 7},    {"999", 999},         {"1000", {}},
      {"21abc", {}}, {"1e2", {}},          {"0x10", {}},
      {"24,5", {}},  {"+3", {}},           {"-3", {}},
      {"", {}},      {"  ", {}},           {"2 1", {}},
      {"3.0", {}},   {"\xef\xbc\x93", {}}, {"99999999999999999999999", {}}};
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(ReadTypedWholeNumber(text, 999), expected) << '"' << text << '"';
    const auto digits = ReadWholeDigits(text);
    EXPECT_EQ(digits.has_value(), expected.has_value() || std::string_view(text) == "1000")
        << '"' << text << '"';
  }
}

// The statistics editor's figures: digits with at most one point.
TEST(StrictNumbers, ADecimalIsDigitsWithAtMostOnePoint) {
  const std::pair<const char*, std::optional<double>> cases[] = {
      {"62.5", 62.5}, {" .5 ", 0.5}, {"7.", 7.0},  {"21", 21.0}, {".", {}},
      {"1.2.3", {}},  {"1e2", {}},   {"-1.5", {}}, {"+1.5", {}}, {"24,5", {}},
      {"0x1p3", {}},  {"inf", {}},   {"nan", {}},  {"", {}},     {"3.5abc", {}}};

  for (const auto& [text, expected] : cases)
    EXPECT_EQ(ReadTypedDecimal(text), expected) << '"' << text << '"';
}

}  // namespace
}  // namespace tavrin
