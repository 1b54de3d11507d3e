#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/catalogue/catalogue.h"
#include "engine/record/design_record.h"

// The winding an engineer will really wind on a core the method chose or was given: the turns
// rounded, the wire on the shelf. The check, the command line and the search over windings all
// wind a core through ApplyWinding, so they agree on what a winding is and which are refused.
namespace pfc {

// What is asked for; what is left out stays the method's own.
struct WindingRequest {
  std::optional<double> turns;  // whole, 1 to kMostTurns
  std::optional<double> gauge;  // AWG, a size of the wire table
  // In parallel, whole, 1 to kMostStrands; one strand is the method's winding.
  std::optional<double> strands = std::nullopt;
  double StrandCount() const { return strands.value_or(1); }
  bool Given() const { return turns.has_value() || gauge.has_value() || StrandCount() != 1; }
  bool operator==(const WindingRequest&) const = default;
};

enum class WindingRefusal {
  None,
  Turns,        // not whole, or outside 1 to kMostTurns
  Gauge,        // not a size of the wire table
  Strands,      // not whole, or outside 1 to kMostStrands
  Fill,         // the winding takes more of the window than the entered fill factor
  NoOperation,  // the output voltage is below the line peak: nothing to wind for
};

struct WindingApplied {
  WindingRefusal refusal = WindingRefusal::None;
  std::string message;  // why it was refused, a sentence for people; empty when wound
  bool Wound() const { return refusal == WindingRefusal::None; }
};

// A winding's wire as people name it: "AWG 13", or with strands in parallel "3 strands of
// AWG 16".
std::string WireText(double strands, double gauge, char decimalSeparator = '.');

// The wire table's row of an AWG size; 0 for a size the table does not hold.
std::int16_t WireRowOfGauge(double gauge, const WireTable& wires);

// Winds the record's loaded core (a record EvaluateCore completed: a published design, or a
// designer's pick that stopped only at the method's limits) with the request, and recomputes
// every winding field and everything that follows from them with the method's own formulas.
// An empty request gives the method's winding. A refused request leaves the record as it was,
// except for NoOperation, which a record that EvaluateCore completed never meets.
// Numbers in the message are written with the given decimal separator. Allocates only to
// refuse.
WindingApplied ApplyWinding(DesignRecord& record, const WireTable& wires,
                            const WindingRequest& request, char decimalSeparator = '.');

}  // namespace pfc
