#pragma once

#include "engine/catalogue/catalogue.h"
#include "engine/record/design_record.h"

// From the validated inputs to the chosen core: the operating point at the lowest line, the
// required area product, the first choice of core and the stepping to larger cores.
namespace pfc {

inline constexpr double kFieldStrengthLimit = 115;  // Oe
inline constexpr double kTemperatureCeiling = 155;  // °C

// Input power, line currents with ripple, stored energy and the required area product.
void ComputeOperatingPoint(DesignRecord& record);

// The area product the stored energy needs at the entered fill factor, cm⁴. The record's
// AreaProduct holds it only until a core is loaded.
double RequiredAreaProduct(const DesignRecord& record);

enum class Selection {
  Selected,         // CoreIndex holds the first candidate
  AreaProductStop,  // the requirement exceeds the stacked largest core
  UnknownCore,      // the picked part number matches no row; CoreIndex unchanged
};

// The designer's core by its part number, or the smallest row whose stacked area product
// strictly exceeds the requirement after checking that the catalogue can meet it at all.
// Any calculator type other than DesignerPicks selects.
Selection SelectCore(DesignRecord& record, const CoreCatalogue& catalogue);

// Field strength and temperature rise both within their limits.
bool CoreAccepted(const DesignRecord& record);

enum class Refinement {
  Completed,
  LastRowTooHot,  // the calculator ran out of rows and the last one runs too hot
  VpeakStop,
};

// Evaluates the chosen core; when the calculator selects, steps to larger rows of the same
// stack until one is accepted or the catalogue ends. Every candidate is recomputed whole.
Refinement RefineCore(DesignRecord& record, const CoreCatalogue& catalogue, const WireTable& wires);

}  // namespace pfc
