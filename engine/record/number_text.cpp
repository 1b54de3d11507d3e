#include "engine/record/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace pfc {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Powers of ten for the rounding fast path; beyond 15 places a double holds no more digits.
constexpr std::array<double, 16> kPowersOfTen = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// Exact decimal rounding of the binary value; glibc's printf rounds exact ties to even.
double RoundExactly(double value, int places) {
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.*f", places, value);
  return std::strtod(buffer, nullptr);
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back()))
    text.remove_suffix(1);
  return text;
}

double ValueOfText(std::string_view text) {
  // Collect the leading number with blanks dropped, then let from_chars convert it exactly.
  std::string number;
  number.reserve(text.size() < 64 ? text.size() : 64);
  std::size_t i = 0;
  auto skipBlanks = [&] {
    while (i < text.size() && IsBlank(text[i]))
      ++i;
  };
  skipBlanks();
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  bool seenPoint = false;
  bool seenDigit = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (IsBlank(c))
      continue;
    if (IsDigit(c)) {
      seenDigit = true;
      number.push_back(c);
    } else if (c == '.' && !seenPoint) {
      seenPoint = true;
      number.push_back(c);
    } else {
      break;
    }
  }
  if (!seenDigit)
    return 0.0;
  double value = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                      std::chars_format::fixed);
  if (result.ec == std::errc::result_out_of_range) {
    // from_chars leaves the value untouched on overflow or underflow; tell them apart by
    // the digits before the point.
    const bool hasWholeDigits = number.find_first_not_of("0.") < number.find('.');
    value = hasWholeDigits ? HUGE_VAL : 0.0;
  }
  return negative ? -value : value;
}

bool IsDecimalNumeral(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && (text.front() == '-' || text.front() == '+'))
    text.remove_prefix(1);
  bool seenPoint = false;
  bool seenDigit = false;
  for (const char c : text) {
    if (IsDigit(c)) {
      seenDigit = true;
    } else if (c == '.' && !seenPoint) {
      seenPoint = true;
    } else {
      return false;
    }
  }
  return seenDigit;
}

bool IsWellFormedNumber(std::string_view text) {
  return IsDecimalNumeral(text) && std::isfinite(ValueOfText(TrimBlanks(text)));
}

bool IsZeroText(std::string_view text) {
  return IsWellFormedNumber(text) && ValueOfText(TrimBlanks(text)) == 0.0;
}

double RoundHalfEven(double value, int places) {
  if (!std::isfinite(value) || places < 0)
    return value;
  if (places >= static_cast<int>(kPowersOfTen.size()))
    return RoundExactly(value, places);
  const double scale = kPowersOfTen[static_cast<std::size_t>(places)];
  const double scaled = value * scale;
  if (std::fabs(scaled) >= 4503599627370496.0)
    return value;                               // 2^52: already whole there
  const double whole = std::nearbyint(scaled);  // ties to even
  // The product itself is rounded, so a value just beside a half can land on it; only
  // then is the exact decimal expansion consulted.
  if (std::fabs(scaled - whole) == 0.5 || std::fabs(std::fabs(scaled - whole) - 0.5) < 1e-9) {
    return RoundExactly(value, places);
  }
  const double result = whole / scale;
  return result == 0.0 ? 0.0 : result;  // no "-0"
}

std::string FormatGeneral(double value, char decimalSeparator) {
  if (value == 0.0)
    return "0";  // also turns -0 into 0
  if (std::isnan(value))
    return "NaN";
  if (std::isinf(value))
    return value < 0 ? "-Infinity" : "Infinity";
  char buffer[64];
  if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
    // A whole number of at most 15 digits prints all its digits and no separator either
    // way; the integer conversion just gets there faster.
    const auto whole = std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(value));
    return std::string(buffer, whole.ptr);
  }
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  std::string text(buffer, result.ptr);
  for (char& c : text) {
    if (c == '.')
      c = decimalSeparator;
    if (c == 'e')
      c = 'E';
  }
  return text;
}

std::string FormatPlaces(double value, int places, char decimalSeparator) {
  const double rounded = RoundHalfEven(value, places);
  if (rounded == 0.0 || !std::isfinite(rounded) || places < 0 || places > 15) {
    return FormatGeneral(rounded, decimalSeparator);
  }
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed, places);
  std::string text(buffer, result.ptr);
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
      text.pop_back();
  }
  const auto significant = text.find_first_not_of("-0.");
  const auto digits = text.substr(significant == std::string::npos ? text.size() : significant);
  const auto digitCount = digits.size() - (digits.find('.') != std::string::npos ? 1 : 0);
  if (digitCount > 15)
    return FormatGeneral(rounded, decimalSeparator);
  for (char& c : text) {
    if (c == '.')
      c = decimalSeparator;
  }
  return text;
}

std::string FormatFixed(double value, int places, char decimalSeparator) {
  if (!std::isfinite(value))
    return FormatGeneral(value, decimalSeparator);
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, RoundHalfEven(value, places),
                                    std::chars_format::fixed, places);
  std::string text(buffer, result.ptr);
  if (text.find_first_not_of("-0.") == std::string::npos && text.front() == '-') {
    text.erase(0, 1);  // no "-0.00"
  }
  for (char& c : text) {
    if (c == '.')
      c = decimalSeparator;
  }
  return text;
}

void AppendShortest(std::string& text, double value) {
  // Plain notation in the range people read without counting digits, exponent outside it.
  // From 2^53 on, plain notation would spell out every digit of the whole number, more than
  // it takes to read it back.
  const double magnitude = std::fabs(value);
  constexpr double kWholeNumbersExact = 9007199254740992.0;  // 2^53
  const auto format = magnitude == 0.0 || (magnitude >= 1e-5 && magnitude < kWholeNumbersExact)
                          ? std::chars_format::fixed
                          : std::chars_format::scientific;
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format);
  text.append(buffer, result.ptr);
}

std::string FormatShortest(double value) {
  std::string text;
  AppendShortest(text, value);
  return text;
}

}  // namespace pfc
