#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "engine/record/design_record.h"

namespace pfc {

enum class ListingColour { Black, Red };

// One caption/value pair of the intermediate output window.
struct ListingLine {
  std::string line;     // "A1" ... "C12": column group, then row from the top
  std::string caption;  // exactly as the window shows it
  std::string value;    // rounded number, then one blank and the unit where there is one
  double number = 0;    // the value before rounding
  std::string unit;     // empty when the line has none
  bool captionBold = true;
  ListingColour colour = ListingColour::Black;  // of the value text
};

inline constexpr std::size_t kListingLineCount = 38;

// The 38 lines in screen order: A1..A13, B1..B13, C1..C12. Texts are UTF-8 ("µ" and "²"
// are single characters). Reads the record once; the lines do not follow later changes.
std::array<ListingLine, kListingLineCount> BuildListing(const DesignRecord& record,
                                                        char decimalSeparator = '.');

// Screen-order indices in the order the window fills its values when it loads: A1, then A2
// to A12, B1 to B12, C1 to C12, and A13 and B13 last.
const std::array<std::size_t, kListingLineCount>& ListingFillOrder();

}  // namespace pfc
