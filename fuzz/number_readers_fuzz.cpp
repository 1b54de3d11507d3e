// Properties of the number readers on arbitrary bytes.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/number_text.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const double value = pfc::ValueOfText(text);
  FUZZ_CHECK(!std::isnan(value));

  const bool wellFormed = pfc::IsWellFormedNumber(text);
  if (wellFormed) {
    FUZZ_CHECK(std::isfinite(value));
    // In the plain (non-exponent) range, writing the value and reading it back agrees to
    // the 15 digits the general format keeps.
    const double magnitude = std::fabs(value);
    if (magnitude >= 1e-4 && magnitude < 1e15) {
      const double reread = pfc::ValueOfText(pfc::FormatGeneral(value));
      FUZZ_CHECK(std::fabs(reread - value) <= magnitude * 1e-14);
    }
  }
  if (pfc::IsZeroText(text)) {
    FUZZ_CHECK(wellFormed);
    FUZZ_CHECK(value == 0.0);
  }

  if (std::isfinite(value)) {
    for (int places : {0, 2, 3, 6}) {
      const double rounded = pfc::RoundHalfEven(value, places);
      FUZZ_CHECK(std::isfinite(rounded));
      FUZZ_CHECK(std::fabs(rounded - value) <=
                 0.5 * std::pow(10.0, -places) + std::fabs(value) * 1e-15);
      FUZZ_CHECK(!pfc::FormatPlaces(value, places).empty());
    }
  }
  return 0;
}
