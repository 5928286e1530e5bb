#include "season/text_convention.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tavrin {
namespace {

TEST(ReadLenientNumber, TakesTheNumberAtTheStart) {
  EXPECT_EQ(ReadLenientNumber("17"), 17);
  EXPECT_EQ(ReadLenientNumber("   42abc"), 42);
  EXPECT_EQ(ReadLenientNumber("\t-3.25"), -3.25);
  EXPECT_EQ(ReadLenientNumber("+8"), 8);
  EXPECT_EQ(ReadLenientNumber(".5"), 0.5);
  EXPECT_EQ(ReadLenientNumber("7."), 7);
  EXPECT_EQ(ReadLenientNumber("0012"), 12);
}

TEST(ReadLenientNumber, GivesZeroWhenThereIsNoNumber) {
  EXPECT_EQ(ReadLenientNumber(""), 0);
  EXPECT_EQ(ReadLenientNumber("   "), 0);
  EXPECT_EQ(ReadLenientNumber("abc"), 0);
  EXPECT_EQ(ReadLenientNumber("-"), 0);
  EXPECT_EQ(ReadLenientNumber("."), 0);
  EXPECT_EQ(ReadLenientNumber("-.x"), 0);
}

TEST(ReadLenientNumber, StopsAtABlankAnExponentOrASecondPoint) {
  EXPECT_EQ(ReadLenientNumber("1 2"), 1);
  EXPECT_EQ(ReadLenientNumber("1e5"), 1);
  EXPECT_EQ(ReadLenientNumber("1.5.3"), 1.5);
  EXPECT_EQ(ReadLenientNumber("- 4"), 0);
  EXPECT_EQ(ReadLenientNumber("12,5"), 12);
}

TEST(ReadLenientNumber, SurvivesEndlessDigits) {
  const std::string huge(400, '9');
  EXPECT_EQ(ReadLenientNumber(huge), std::numeric_limits<double>::infinity());
  EXPECT_EQ(ReadLenientNumber("-" + huge), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(ReadLenientNumber("0." + std::string(400, '0') + "1"), 0);
  EXPECT_EQ(ReadLenientNumber(std::string(400, '0') + "3"), 3);
}

TEST(ToInt16, RoundsHalvesToEven) {
  EXPECT_EQ(ToInt16(2.5), 2);
  EXPECT_EQ(ToInt16(3.5), 4);
  EXPECT_EQ(ToInt16(-2.5), -2);
  EXPECT_EQ(ToInt16(-3.5), -4);
  EXPECT_EQ(ToInt16(2.4999), 2);
  EXPECT_EQ(ToInt16(2.5001), 3);
  EXPECT_EQ(ToInt16(0.5), 0);
}

TEST(ToInt16, GivesNothingWhenTheValueDoesNotFit) {
  EXPECT_EQ(ToInt16(32767), 32767);
  EXPECT_EQ(ToInt16(32767.4), 32767);
  EXPECT_EQ(ToInt16(-32768.5), -32768);  // the half goes to the even -32768
  EXPECT_EQ(ToInt16(32767.5), std::nullopt);
  EXPECT_EQ(ToInt16(-32769), std::nullopt);
  EXPECT_EQ(ToInt16(1e300), std::nullopt);
  EXPECT_EQ(ToInt16(std::numeric_limits<double>::infinity()), std::nullopt);
  EXPECT_EQ(ToInt16(std::nan("")), std::nullopt);
}

TEST(GeneralNumber, WritesPlainDecimalWithoutPadding) {
  EXPECT_EQ(GeneralNumber(100.0f), "100");
  EXPECT_EQ(GeneralNumber(0.5f), "0.5");
  EXPECT_EQ(GeneralNumber(-0.5f), "-0.5");
  EXPECT_EQ(GeneralNumber(0.0f), "0");
  EXPECT_EQ(GeneralNumber(-0.0f), "0");
  EXPECT_EQ(GeneralNumber(62.5f), "62.5");
  EXPECT_EQ(GeneralNumber(1999), "1999");
  EXPECT_EQ(GeneralNumber(-7), "-7");
}

TEST(GeneralNumber, KeepsSevenSignificantDigitsForASingleAndFifteenForADouble) {
  EXPECT_EQ(GeneralNumber(0.1f), "0.1");  // not 0.100000001
  EXPECT_EQ(GeneralNumber(60.55f), "60.55");
  EXPECT_EQ(GeneralNumber(1.0f / 3.0f), "0.3333333");
  EXPECT_EQ(GeneralNumber(1234567.0f), "1234567");
  EXPECT_EQ(GeneralNumber(1.0 / 3.0), "0.333333333333333");
  EXPECT_EQ(GeneralNumber(static_cast<double>(60.55f)), "60.5499992370605");
  EXPECT_EQ(GeneralNumber(0.1), "0.1");
}

TEST(GeneralNumber, UsesTheExponentFormOnlyForHugeAndTinyValues) {
  EXPECT_EQ(GeneralNumber(12345678.0f), "1.234568E+07");
  EXPECT_EQ(GeneralNumber(1e20f), "1E+20");
  EXPECT_EQ(GeneralNumber(0.0001f), "0.0001");
  EXPECT_EQ(GeneralNumber(0.00001f), "1E-05");
  EXPECT_EQ(GeneralNumber(123456789012345.0), "123456789012345");
  EXPECT_EQ(GeneralNumber(1e300), "1E+300");
}

TEST(FormatNumber, FillsThePatterns) {
  EXPECT_EQ(FormatNumber(0.857142866f, "0.000"), "0.857");
  EXPECT_EQ(FormatNumber(1.0f, "0.000"), "1.000");
  EXPECT_EQ(FormatNumber(0.0f, "0.000"), "0.000");
  EXPECT_EQ(FormatNumber(78.3f, "#0.0"), "78.3");
  EXPECT_EQ(FormatNumber(5.0f, "#0.0"), "5.0");
  EXPECT_EQ(FormatNumber(0.04f, "#0.0"), "0.0");
  EXPECT_EQ(FormatNumber(123.45f, "#0.0"), "123.5");  // more digits than the pattern shows
  EXPECT_EQ(FormatNumber(9.9f, "00.0"), "09.9");
  EXPECT_EQ(FormatNumber(42.9f, "00.0"), "42.9");
  EXPECT_EQ(FormatNumber(0.0f, "00.0"), "00.0");
  EXPECT_EQ(FormatNumber(7.0f, "00"), "07");
  EXPECT_EQ(FormatNumber(41.5f, "00"), "42");
  EXPECT_EQ(FormatNumber(140.0f, "00"), "140");
  EXPECT_EQ(FormatNumber(1999, "0000"), "1999");
  EXPECT_EQ(FormatNumber(97, "0000"), "0097");
  EXPECT_EQ(FormatNumber(static_cast<int16_t>(2000), "0000"), "2000");
}

TEST(FormatNumber, RoundsTheSevenDigitFormHalfAwayFromZero) {
  // A 9-7 record: 0.5625 is exact in binary; a binary-exact half-to-even rounding would print
  // 0.562.
  EXPECT_EQ(FormatNumber(9.0f / 16.0f, "0.000"), "0.563");
  EXPECT_EQ(FormatNumber(0.0625f, "0.000"), "0.063");
  EXPECT_EQ(FormatNumber(2.5f, "00"), "03");
  EXPECT_EQ(FormatNumber(0.5f, "00"), "01");
  // 60.55f is 60.5499992...; its seven-digit form is 60.55000, so it rounds up.
  EXPECT_EQ(FormatNumber(60.55f, "#0.0"), "60.6");
  // The double keeps fifteen digits: 60.5499992370605 rounds down.
  EXPECT_EQ(FormatNumber(static_cast<double>(60.55f), "#0.0"), "60.5");
  EXPECT_EQ(FormatNumber(0.25, "#0.0"), "0.3");
  EXPECT_EQ(FormatNumber(99.95f, "#0.0"), "100.0");
  EXPECT_EQ(FormatNumber(9.96f, "00.0"), "10.0");
  EXPECT_EQ(FormatNumber(0.9996f, "0.000"), "1.000");
}

TEST(FormatNumber, WritesNegativeValuesWithALeadingMinus) {
  EXPECT_EQ(FormatNumber(-3.25f, "#0.0"), "-3.3");
  EXPECT_EQ(FormatNumber(-0.5625f, "0.000"), "-0.563");
  EXPECT_EQ(FormatNumber(-7, "00"), "-07");
  EXPECT_EQ(FormatNumber(-0.04f, "#0.0"), "0.0");  // rounds to zero: no sign
}

TEST(FormatNumber, HandlesExtremeValues) {
  EXPECT_EQ(FormatNumber(1e10f, "#0.0"), "10000000000.0");
  EXPECT_EQ(FormatNumber(1e-10f, "0.000"), "0.000");
  EXPECT_EQ(FormatNumber(0.0005f, "0.000"), "0.001");
  EXPECT_EQ(FormatNumber(0.0004999f, "0.000"), "0.000");
  EXPECT_EQ(FormatNumber(std::numeric_limits<float>::max(), "00").size(), 39u);
}

TEST(PadRight, PadsToTheWidthAndKeepsLongerTexts) {
  EXPECT_EQ(PadRight("ab", 5), "ab   ");
  EXPECT_EQ(PadRight("", 2), "  ");
  EXPECT_EQ(PadRight("abcdef", 3), "abcdef");
}

}  // namespace
}  // namespace tavrin
