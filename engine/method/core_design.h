#pragma once

#include <cstdint>
#include <optional>

#include "engine/catalogue/catalogue.h"
#include "engine/record/design_record.h"

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

// A winding the engineer gives instead of the method's: its turns, its wire, or both. What is
// not given is the method's own.
struct GivenWinding {
  std::optional<double> turns;          // whole, 1 to kMostTurns
  std::optional<std::int16_t> wireRow;  // 1 to the wire table's row count
  double strands = 1;                   // of the wire in parallel, whole, 1 to kMostStrands
};

// The most turns the method winds.
inline constexpr double kMostTurns = 31000;
// The most strands a given winding lays in parallel.
inline constexpr double kMostStrands = 8;

// Turns, wire, fill, flux, losses and temperature rise of the loaded core, each result
// stored before the next step reads it; the method's formulas also for a given winding.
Evaluation EvaluateCore(DesignRecord& record, const WireTable& wires,
                        const GivenWinding& given = {});

// The method's own winding of the record's loaded core: whole turns on 70 % of its inductance
// factor, and the wire SelectWire gives for 500 A/cm² of its RMS current (the thinnest when
// even that is too thick).
double MethodTurns(const DesignRecord& record);
std::int16_t MethodWireRow(const DesignRecord& record, const WireTable& wires);

// The share of one core's window that round conductors of `turns` turns of insulated diameter
// wireDia (cm) take, window in cm²; K strands in parallel are K·N conductors.
double WindingFillFactor(double turns, double wireDia, double windowArea);

// The thickest wire whose tabulated area does not exceed the required conductor area
// (cm²): the first such row counting from AWG 8; 0 when even the thinnest is larger.
std::int16_t SelectWire(double conductorArea, const WireTable& wires);

}  // namespace pfc
