#pragma once

#include <cstdint>

#include "engine/catalogue.h"
#include "engine/design_record.h"

// One candidate core, start to finish: copy its catalogue row into the record for the stack,
// then wind it and work out its losses and temperature. The design run and the design-space
// explorer both go through exactly these two calls, so their numbers agree bit for bit.
// Neither allocates.
namespace pfc {

// Copies catalogue row `row` (1 to the row count) into the record, scaled for
// record.CoresToStack; from here on AreaProduct holds the stack's area product.
void LoadCore(DesignRecord& record, const CoreCatalogue& catalogue, std::int16_t row);

enum class Evaluation {
  Completed,
  VpeakStop,  // the output voltage is below the line peak; later fields keep old values
};

// Turns, wire, fill, flux, losses and temperature rise of the loaded core, each result
// stored before the next step reads it.
Evaluation EvaluateCore(DesignRecord& record, const WireTable& wires);

// The thickest wire whose tabulated area does not exceed the required conductor area
// (cm²): the first such row counting from AWG 8; 0 when even the thinnest is larger.
std::int16_t SelectWire(double conductorArea, const WireTable& wires);

}  // namespace pfc
