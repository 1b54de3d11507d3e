#include "engine/record/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

namespace pfc {
namespace {

struct ValueCase {
  const char* text;
  double value;
};

class ValueOfTextTest : public testing::TestWithParam<ValueCase> {};

TEST_P(ValueOfTextTest, ReadsTheLeadingDecimalNumber) {
  EXPECT_DOUBLE_EQ(ValueOfText(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ValueOfTextTest,
    testing::Values(ValueCase{"100000", 100000}, ValueCase{"0.00015", 0.00015},
                    ValueCase{".4", 0.4}, ValueCase{"3.140", 3.14}, ValueCase{"0.080", 0.08},
                    ValueCase{"666", 666}, ValueCase{"  85  ", 85}, ValueCase{"1 2", 12},
                    ValueCase{"12abc", 12}, ValueCase{"abc", 0}, ValueCase{"", 0},
                    ValueCase{"   ", 0}, ValueCase{".", 0}, ValueCase{"1.2.3", 1.2},
                    ValueCase{"-5", -5}, ValueCase{"+7", 7}, ValueCase{"1e5", 1},
                    ValueCase{"5.", 5}, ValueCase{"00", 0}, ValueCase{"NaN", 0},
                    ValueCase{"inf", 0}, ValueCase{"\t9\t", 9}));

TEST(ValueOfText, IgnoresTheUsersLocale) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous ? previous : "C";
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
    std::setlocale(LC_NUMERIC, "C");
  }
  EXPECT_DOUBLE_EQ(ValueOfText("3.140"), 3.14);
  EXPECT_DOUBLE_EQ(ValueOfText("3,140"), 3.0);
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(ValueOfText, HugeDigitRunsSaturateInsteadOfFailing) {
  EXPECT_TRUE(std::isinf(ValueOfText(std::string(10000, '9'))));
  EXPECT_EQ(ValueOfText("0." + std::string(10000, '0') + "1"), 0.0);
  EXPECT_DOUBLE_EQ(ValueOfText(std::string(5000, '0') + "42"), 42.0);
}

TEST(ZeroTest, CountsEveryWrittenFormOfZero) {
  for (const char* zero : {"0", "0.0", ".0", "00", " 0 ", "-0", "0."}) {
    EXPECT_TRUE(IsZeroText(zero)) << zero;
  }
  for (const char* notZero : {"", "1", "0.001", ".", "abc", "0 0x", "0a"}) {
    EXPECT_FALSE(IsZeroText(notZero)) << notZero;
  }
}

TEST(WellFormedNumber, AcceptsPlainDecimalsOnly) {
  for (const char* good : {"1", "1.5", ".4", "5.", " 12 ", "-5", "+3", "0"}) {
    EXPECT_TRUE(IsWellFormedNumber(good)) << good;
  }
  for (const char* bad : {"", " ", ".", "..", "1.2.3", "1e5", "NaN", "inf", "abc", "1 2", "--1",
                          "-", "1-", "\x01", "\xd9\xa1\xd9\xa2"}) {
    EXPECT_FALSE(IsWellFormedNumber(bad)) << bad;
  }
  EXPECT_FALSE(IsWellFormedNumber(std::string(10000, '9'))) << "infinite value";
  EXPECT_FALSE(IsWellFormedNumber(std::string(309, '9'))) << "1e309 is past the largest double";
  EXPECT_TRUE(IsWellFormedNumber("17" + std::string(307, '0'))) << "1.7e308 still fits";
  EXPECT_TRUE(IsWellFormedNumber(std::string(5000, '0') + "1." + std::string(5000, '9')));
  EXPECT_TRUE(IsWellFormedNumber(std::string(300, '9')));
}

struct RoundCase {
  double value;
  int places;
  double rounded;
};

class RoundHalfEvenTest : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundHalfEvenTest, RoundsHalvesToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(GetParam().value, GetParam().places), GetParam().rounded)
      << GetParam().value << " to " << GetParam().places;
}

INSTANTIATE_TEST_SUITE_P(Values, RoundHalfEvenTest,
                         testing::Values(RoundCase{2.5, 0, 2}, RoundCase{3.5, 0, 4},
                                         RoundCase{96.5, 0, 96}, RoundCase{97.5, 0, 98},
                                         RoundCase{41.5, 0, 42}, RoundCase{40.5, 0, 40},
                                         RoundCase{38.49, 0, 38}, RoundCase{-2.5, 0, -2},
                                         RoundCase{0.125, 2, 0.12}, RoundCase{0.375, 2, 0.38},
                                         RoundCase{2.675, 2, 2.67}, RoundCase{1.005, 2, 1.0},
                                         RoundCase{0.0123456, 6, 0.012346},
                                         RoundCase{86.4192, 2, 86.42}, RoundCase{-0.001, 2, 0.0},
                                         RoundCase{30.93, 0, 31}, RoundCase{1e300, 2, 1e300}));

TEST(RoundHalfEven, NeverReturnsNegativeZero) {
  EXPECT_FALSE(std::signbit(RoundHalfEven(-0.001, 2)));
}

struct FormatCase {
  double value;
  const char* text;
};

class FormatGeneralTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatGeneralTest, WritesTheShortestForm) {
  EXPECT_EQ(FormatGeneral(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, FormatGeneralTest,
                         testing::Values(FormatCase{95.0, "95"}, FormatCase{0.00015, "0.00015"},
                                         FormatCase{150, "150"}, FormatCase{1.5, "1.5"},
                                         FormatCase{-0.5, "-0.5"}, FormatCase{0.0, "0"},
                                         FormatCase{-0.0, "0"}, FormatCase{0.1 + 0.2, "0.3"},
                                         FormatCase{101.852884171423, "101.852884171423"},
                                         FormatCase{123456789012345.0, "123456789012345"},
                                         FormatCase{-987654321.0, "-987654321"},
                                         FormatCase{31.0, "31"}, FormatCase{1e15, "1E+15"},
                                         FormatCase{0.00001, "1E-05"}, FormatCase{0.0001, "0.0001"},
                                         FormatCase{1.0 / 3.0, "0.333333333333333"}));

TEST(FormatGeneral, UsesTheGivenDecimalSeparator) {
  EXPECT_EQ(FormatGeneral(0.4, ','), "0,4");
  EXPECT_EQ(FormatGeneral(12.0, ','), "12");
}

TEST(FormatPlaces, RoundsThenFormats) {
  EXPECT_EQ(FormatPlaces(95.0, 2), "95");
  EXPECT_EQ(FormatPlaces(3.5596, 2), "3.56");
  EXPECT_EQ(FormatPlaces(1.50, 2), "1.5");
  EXPECT_EQ(FormatPlaces(0.0004, 2), "0");
  EXPECT_EQ(FormatPlaces(0.35, 3), "0.35");
  EXPECT_EQ(FormatPlaces(6.12 * 10, 2), "61.2");
  EXPECT_EQ(FormatPlaces(52.09e-6, 6), "0.000052");
  EXPECT_EQ(FormatPlaces(0.00015, 6, ','), "0,00015");
  EXPECT_EQ(FormatPlaces(-0.0000049, 6), "-0.000005");
  EXPECT_EQ(FormatPlaces(1e20, 2), "1E+20");
  EXPECT_EQ(FormatPlaces(123456789012.3456, 4), "123456789012.346");
}

TEST(FormatFixed, AlwaysWritesTheDecimals) {
  EXPECT_EQ(FormatFixed(4.7, 2), "4.70");
  EXPECT_EQ(FormatFixed(17.03, 2), "17.03");
  EXPECT_EQ(FormatFixed(0.5, 2, ','), "0,50");
  EXPECT_EQ(FormatFixed(-0.001, 2), "0.00");
  EXPECT_EQ(FormatFixed(142.3, 2), "142.30");
}

TEST(FormatShortest, ReadsBackExactly) {
  EXPECT_EQ(FormatShortest(0.1), "0.1");
  EXPECT_EQ(FormatShortest(31.0), "31");
  EXPECT_EQ(FormatShortest(0.1 + 0.2), "0.30000000000000004");
  EXPECT_EQ(FormatShortest(100000.0), "100000");
  EXPECT_EQ(FormatShortest(1e-05), "0.00001");
  EXPECT_EQ(FormatShortest(1e-06), "1e-06");
  EXPECT_EQ(FormatShortest(1e17), "1e+17");
  EXPECT_EQ(FormatShortest(-2.5), "-2.5");
  EXPECT_EQ(FormatShortest(0.0), "0");
  for (const double value : {101.85260120411928, 1.0 / 3.0, 6.02214076e23, 1e300, 2.5e-300,
                             99999999999999984.0, 0.000012345678901234567}) {
    EXPECT_EQ(std::stod(FormatShortest(value)), value) << FormatShortest(value);
  }
}

// The significant digits of a number's text: no sign, separator, exponent or padding zeros.
std::string SignificantDigits(std::string text) {
  text = text.substr(0, text.find_first_of("eE"));
  std::erase_if(text, [](char c) { return c == '-' || c == '.'; });
  const auto first = text.find_first_not_of('0');
  if (first == std::string::npos) {
    return "0";
  }
  text.erase(0, first);
  text.erase(text.find_last_not_of('0') + 1);
  return text;
}

// Every finite double, of any size, is written with the fewest digits that read back to it
// bit for bit: exactly the shortest round-trip digits.
TEST(FormatShortest, EveryDoubleReadsBackFromTheShortestDigits) {
  std::mt19937_64 bits(20240615);
  std::uniform_real_distribution<double> engineering(-1e6, 1e6);
  for (int i = 0; i < 200000; ++i) {
    const std::uint64_t pattern = bits();
    double value = i % 2 == 0 ? engineering(bits) : std::bit_cast<double>(pattern);
    if (!std::isfinite(value)) {
      continue;
    }
    const std::string text = FormatShortest(value);
    double back = 0;
    const auto read = std::from_chars(text.data(), text.data() + text.size(), back);
    ASSERT_EQ(read.ec, std::errc()) << text;
    ASSERT_EQ(read.ptr, text.data() + text.size()) << text;
    ASSERT_EQ(std::bit_cast<std::uint64_t>(back), std::bit_cast<std::uint64_t>(value)) << text;
    char shortest[64];
    const auto end =
        std::to_chars(shortest, shortest + sizeof shortest, value, std::chars_format::scientific);
    ASSERT_EQ(SignificantDigits(text), SignificantDigits(std::string(shortest, end.ptr))) << text;
  }
}

}  // namespace
}  // namespace pfc
