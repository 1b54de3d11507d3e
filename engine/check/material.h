#pragma once

#include <optional>
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

// The numbers of a material, in the order a material file names them.
enum class MaterialNumber { Permeability, RolloffB, RolloffC, LossK, LossAlpha, LossBeta };

// Where a powder's number lies for any real material: outside it a check's figures stop
// meaning anything (a permeability of 1e300 winds 1e300 µH). low < value ≤ high where
// lowExcluded, else low ≤ value ≤ high.
struct MaterialRange {
  double low = 0;
  double high = 0;
  bool lowExcluded = false;
};

// The fields where the powder's roll-off is judged: at the strongest it must have lost at
// least kLeastRolloff of its permeability, at the weakest at most kMostRolloff.
inline constexpr double kStrongRolloffField = 100e3;  // A/m
inline constexpr double kWeakRolloffField = 10;       // A/m
inline constexpr double kLeastRolloff = 0.01;         // share of the permeability lost
inline constexpr double kMostRolloff = 0.99;          // share of the permeability lost

// The range of one number. That of b follows from c (the roll-off at the two fields above);
// the others stand alone.
MaterialRange MaterialNumberRange(MaterialNumber number, double c);

// The first number of the material outside its range, in MaterialNumber order (c before b,
// whose range it sets); the loss fit only when `ownLossFit`. Nothing when all are within.
std::optional<MaterialNumber> MaterialOutOfRange(const Material& material, bool ownLossFit);

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
