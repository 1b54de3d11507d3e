// Properties of the number readers and writers on arbitrary bytes.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/record/number_text.h"
#include "fuzz/fuzz_check.h"

namespace {

// The writers' output with the full stop as separator, for comparing separators.
std::string WithFullStop(std::string text) {
  for (char& c : text) {
    if (c == ',')
      c = '.';
  }
  return text;
}

void CheckWriters(double value) {
  const std::string general = pfc::FormatGeneral(value);
  FUZZ_CHECK(!general.empty());
  FUZZ_CHECK(general.find_first_of("nN") == std::string::npos);  // no "NaN", "Infinity"
  FUZZ_CHECK(WithFullStop(pfc::FormatGeneral(value, ',')) == general);

  const double magnitude = std::fabs(value);
  // Below 1e15 by more than half a unit: 999999999999999.8 rounds to 15 digits as 1E+15.
  if (magnitude >= 1e-4 && magnitude < 999999999999999.4) {
    // In the plain (non-exponent) range the text is a well-formed number, and reading it
    // back agrees to the 15 digits the general format keeps.
    FUZZ_CHECK(pfc::IsWellFormedNumber(general));
    const double reread = pfc::ValueOfText(general);
    FUZZ_CHECK(std::fabs(reread - value) <= magnitude * 1e-14);
  }

  for (int places : {0, 2, 3, 6}) {
    const double rounded = pfc::RoundHalfEven(value, places);
    FUZZ_CHECK(std::isfinite(rounded));
    FUZZ_CHECK(std::fabs(rounded - value) <=
               0.5 * std::pow(10.0, -places) + std::fabs(value) * 1e-15);
    FUZZ_CHECK(!pfc::FormatPlaces(value, places).empty());
    if (magnitude < 1e15) {
      // Fixed decimals: exactly that many digits after the point, reading back as the
      // rounded value.
      const std::string fixed = pfc::FormatFixed(value, places);
      const std::size_t point = fixed.find('.');
      FUZZ_CHECK(places == 0 ? point == std::string::npos
                             : fixed.size() - point - 1 == static_cast<std::size_t>(places));
      FUZZ_CHECK(std::fabs(pfc::ValueOfText(fixed) - rounded) <= std::fabs(rounded) * 1e-15);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const double value = pfc::ValueOfText(text);
  FUZZ_CHECK(!std::isnan(value));

  const bool wellFormed = pfc::IsWellFormedNumber(text);
  if (wellFormed) {
    FUZZ_CHECK(std::isfinite(value));
    // Blanks around a well-formed number change nothing.
    FUZZ_CHECK(pfc::ValueOfText(pfc::TrimBlanks(text)) == value);
  }
  if (pfc::IsZeroText(text)) {
    FUZZ_CHECK(wellFormed);
    FUZZ_CHECK(value == 0.0);
  }
  if (std::isfinite(value))
    CheckWriters(value);
  return 0;
}
