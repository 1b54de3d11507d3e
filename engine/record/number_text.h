#pragma once

#include <string>
#include <string_view>

// The one implementation of reading numbers from entry texts and of turning numbers into
// the texts users see. Reading is locale-free (the full stop is always the separator);
// writing takes the decimal separator so that on-screen texts may follow the locale while
// reports and the command line stay byte-stable.
namespace pfc {

// The value of a text: the leading decimal number, blanks anywhere ignored, an optional
// sign, digits with one full stop; 0 when the text starts with no number ("12abc" gives 12,
// "abc" gives 0). Never throws; a run of digits too long for a double gives infinity.
double ValueOfText(std::string_view text);

// The zero test: the text, trimmed of blanks at both ends, read as a whole number equals 0
// ("0", "0.0", ".0", "00"). A text that is not a whole well-formed number is not zero.
bool IsZeroText(std::string_view text);

// True when the text, trimmed of blanks at both ends, is one plain decimal number: an
// optional sign, digits with at most one full stop, at least one digit, nothing else, and
// a finite value. Lone ".", "1.2.3", "1e5", "NaN" and letters are not well formed.
bool IsWellFormedNumber(std::string_view text);
// The same without the finite value: "1" and 330 zeros is a numeral, but too large a number.
bool IsDecimalNumeral(std::string_view text);

// Blanks (spaces and tabs) removed from both ends.
std::string_view TrimBlanks(std::string_view text);

// Rounds to the given number of decimal places, halves going to the even neighbour
// (2.5 gives 2, 3.5 gives 4). Ties are judged on the exact binary value, so 2.675 (stored
// just below the half) gives 2.67.
double RoundHalfEven(double value, int places);

// The general number format: shortest decimal form with up to 15 significant digits, no
// trailing zeros, no separator for whole numbers, no thousands separators, "0" before the
// separator below one, "-" for negatives; exponent form ("1E-05", "1E+15") outside the
// plain range.
std::string FormatGeneral(double value, char decimalSeparator = '.');

// "n places": RoundHalfEven to n places, then the general format (95.00 shows as 95). A
// rounded value has at most n decimals, so it is written out in plain decimals (a wire
// resistance of 0.000052 ohm/cm, not 5.2E-05) while it fits in 15 significant digits.
std::string FormatPlaces(double value, int places, char decimalSeparator = '.');

// Fixed decimals, always written out ("#.00" with 2 places: 4.7 shows as 4.70), "0" before
// the separator below one.
std::string FormatFixed(double value, int places, char decimalSeparator = '.');

// The fewest digits that read back as exactly the same double, full stop as separator, for
// files and machine-read output: plain from 1e-5 up to 2^53 ("100000", "0.1",
// "101.85260120411928", "0.00001"), exponent form outside ("1e-06", "1e+20"); "nan", "inf"
// and "-inf" for values that are not finite.
std::string FormatShortest(double value);

// Appends FormatShortest(value) to the text without a string of its own: for writers of
// many numbers.
void AppendShortest(std::string& text, double value);

}  // namespace pfc
