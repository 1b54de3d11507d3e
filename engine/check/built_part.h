#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/catalogue/catalogue.h"
#include "engine/check/given_winding.h"
#include "engine/check/material.h"
#include "engine/check/rolloff_grades.h"
#include "engine/record/design_record.h"

// The part an engineer builds, as one value: which core and how many stacked, in which
// powder, wound how. The check, the model export and design files read it whole, so that
// what is checked, exported and saved is always the same part.
namespace pfc {

// A built-in grade, or a powder of the user's own carried by value so that it travels with
// the design instead of pointing at a file that may be gone.
struct PartMaterial {
  int grade = kDefaultRolloffGrade;  // kDefaultRolloffGrade: the grade that matches the core
  std::optional<Material> own;       // when set, the part is made of it and `grade` is unused

  bool Given() const { return own.has_value() || grade != kDefaultRolloffGrade; }
  bool operator==(const PartMaterial&) const = default;
};

struct BuiltPart {
  std::string partNumber;         // empty until a run has chosen the core
  std::int16_t catalogueRow = 0;  // the core's row in the catalogue it was chosen from
  int stack = 0;                  // cores stacked
  PartMaterial material;
  WindingRequest winding;  // what is left out is the method's

  // Whether the part differs from the method's design in its powder or its winding.
  bool Given() const { return material.Given() || winding.Given(); }
  bool operator==(const BuiltPart&) const = default;
};

// The part of a record a run left wound: its core and stack, with the material and
// winding asked for.
BuiltPart PartOfRecord(const DesignRecord& record, PartMaterial material, WindingRequest winding);

// The powder the check takes for the part on the record's core.
Material MaterialOfPart(const DesignRecord& record, const PartMaterial& material);

// How a part's winding went onto the record's core. A winding that a design file stored may
// no longer fit once the core changed; it is then set aside, with its reason, and the
// method's winding is checked instead.
struct PartWound {
  WindingApplied applied;  // the given winding's outcome; refused: the record is unchanged
  bool setAside = false;   // refused, and the method's winding stands in its place
};

// Winds the record with the part's winding (ApplyWinding). With `stored` a refusal that
// follows from the core (the fill, or turns the core cannot take) sets the winding aside
// instead of refusing the part.
PartWound WindPart(DesignRecord& record, const WireTable& wires, const BuiltPart& part, bool stored,
                   char decimalSeparator = '.');

// What a winder needs of a wound record besides the check's figures. Lengths in cm.
struct WindingInstructions {
  int strands = 1;             // wound in parallel, each the same length
  int turnsPerLayer = 0;       // whole conductors one layer inside the hole takes, at least 1
  int layers = 0;              // whole layers the turns of every strand make there
  double copperDiameter = 0;   // of one strand
  double windingLength = 0;    // of one strand: the length the winding resistance is computed from
  double wireLength = 0;       // of one strand: that plus the two leads
  double totalWireLength = 0;  // the wire to cut for every strand
  double copperMassG = 0;      // of the whole wire, leads included
  double dcr20 = 0;            // Ω at 20 °C, the method's winding resistance
};

// The instructions for the record's winding with two leads of the given length (cm).
WindingInstructions InstructionsFor(const DesignRecord& record, double leadLength);

// The winding's DC resistance at a temperature (°C), Ω.
double WindingResistanceAt(const DesignRecord& record, double temperature);

}  // namespace pfc
