#pragma once

#include <string>
#include <string_view>

#include "engine/record/message.h"

// The messages a design run can show after its inputs passed the checks, with their exact
// texts, titles and icons. Line breaks are CR LF.
namespace pfc {

inline constexpr std::string_view kLineBreak = "\r\n";

// The requirement exceeds the largest core times the stack (calculator selects only).
Message AreaProductMessage();

// The output voltage lies below the peak of the lowest line.
Message VpeakMessage();

// Even the largest core runs too hot (calculator selects only); the run goes on.
Message TemperatureRiseMessage();

// The field at peak current exceeds 115 Oe. The designer's wording shows the field rounded
// to a whole number; the calculator's wording shows it in full.
Message FieldStrengthMessage(std::int16_t calcType, double hMax, char decimalSeparator);

// Ambient plus rise reaches 155 °C; the design is still shown.
Message TotalTemperatureMessage();

// A picked part number that the catalogue does not hold.
Message UnknownCoreMessage(std::string_view partNo);

}  // namespace pfc
