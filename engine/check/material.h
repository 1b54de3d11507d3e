#pragma once

#include <string>

#include "engine/check/rolloff_grades.h"
#include "engine/method/method_constants.h"
#include "engine/record/design_record.h"

// The powder a checked core is made of. The catalogue gives each core's inductance factor but
// not its material; a toroid's inductance factor fixes its initial permeability, so a core
// taken in another material keeps its size and has its inductance factor scaled by the ratio
// of the two permeabilities.
namespace pfc {

// Steinmetz's fit of the core loss: k·(f/kHz)^alpha·(B/T)^beta in W/kg under a sine flux of
// peak B.
struct CoreLossFit {
  double k = 0;      // W/kg
  double alpha = 0;  // of the frequency in kHz
  double beta = 0;   // of the flux density in T
  bool operator==(const CoreLossFit&) const = default;
};

inline constexpr CoreLossFit kMethodCoreLossFit{kCoreLossCoefficient, kCoreLossFrequencyExponent,
                                                kCoreLossFluxExponent};

struct Material {
  Material() = default;
  // A built-in grade, named by its permeability, with the method's loss fit.
  Material(const RolloffGrade& grade);  // NOLINT(google-explicit-constructor): a grade is one

  std::string name;         // how users name it: a grade's permeability ("90"), or a file's name
  double permeability = 0;  // initial relative permeability
  double b = 0;             // roll-off F = 1 / (1 + 100·b·H^c), H in A/m; 0 for none
  double c = 0;             // > 1, so that the flux a winding carries is bounded
  CoreLossFit loss = kMethodCoreLossFit;
  bool operator==(const Material&) const = default;
};

// The initial permeability the catalogue's inductance factor implies for the record's core:
// AL·lm / (µ0·Ac). A stack scales AL and Ac alike, so it does not change it. NaN where the
// record has no usable core.
double CataloguePermeability(const DesignRecord& record);

// The grade whose permeability is nearest, the lower one on a tie: the check's default
// material, the one that matches the catalogue's core.
const RolloffGrade& NearestGrade(double permeability);

// The record's core in the material's powder: AL·µ/µcat in nH/turn², the stack's.
double MaterialAlValue(const DesignRecord& record, const Material& material);

}  // namespace pfc
