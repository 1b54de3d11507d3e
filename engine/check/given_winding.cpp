#include "engine/check/given_winding.h"

#include <cmath>

#include "engine/method/core_design.h"
#include "engine/record/number_text.h"

namespace pfc {
namespace {

WindingApplied Refuse(WindingRefusal refusal, std::string message) {
  return WindingApplied{refusal, std::move(message)};
}

bool WholeUpTo(double count, double most) {
  return count >= 1 && count <= most && count == std::floor(count);
}

std::string GaugeRange(const WireTable& wires) {
  return "AWG " + FormatGeneral(wires.Gauge[1]) + " to " +
         FormatGeneral(wires.Gauge[static_cast<std::size_t>(wires.RowCount())]);
}

// The fill in percent to one decimal, as the summary rounds it.
std::string FillPercent(double fill, char separator) {
  return FormatPlaces(fill * 100, 1, separator) + " %";
}

}  // namespace

std::string WireText(double strands, double gauge, char separator) {
  const std::string wire = "AWG " + FormatGeneral(gauge, separator);
  return strands == 1 ? wire : FormatGeneral(strands, separator) + " strands of " + wire;
}

std::int16_t WireRowOfGauge(double gauge, const WireTable& wires) {
  for (std::int16_t row = 1; row <= wires.RowCount(); ++row) {
    if (wires.Gauge[static_cast<std::size_t>(row)] == gauge)
      return row;
  }
  return 0;
}

WindingApplied ApplyWinding(DesignRecord& record, const WireTable& wires,
                            const WindingRequest& request, char separator) {
  if (request.turns && !WholeUpTo(*request.turns, kMostTurns)) {
    return Refuse(WindingRefusal::Turns, "The turns must be a whole number from 1 to " +
                                             FormatGeneral(kMostTurns) + ", not " +
                                             FormatGeneral(*request.turns, separator) + ".");
  }
  const std::int16_t row = request.gauge ? WireRowOfGauge(*request.gauge, wires) : std::int16_t{0};
  if (request.gauge && row == 0) {
    return Refuse(WindingRefusal::Gauge, "AWG " + FormatGeneral(*request.gauge, separator) +
                                             " is not in the wire table, which holds " +
                                             GaugeRange(wires) + ".");
  }
  const double strands = request.StrandCount();
  if (!WholeUpTo(strands, kMostStrands)) {
    return Refuse(WindingRefusal::Strands, "The strands must be a whole number from 1 to " +
                                               FormatGeneral(kMostStrands) + ", not " +
                                               FormatGeneral(strands, separator) + ".");
  }
  const GivenWinding given{
      request.turns, request.gauge ? std::optional<std::int16_t>(row) : std::nullopt, strands};
  const double turns = given.turns ? *given.turns : MethodTurns(record);
  const std::int16_t wire = given.wireRow ? *given.wireRow : MethodWireRow(record, wires);
  const double fill = WindingFillFactor(
      turns * strands, wires.Diameter[static_cast<std::size_t>(wire)], record.WindowArea);
  // The method never refuses its own winding for its fill; a given one must fit the window
  // the engineer allowed.
  if (request.Given() && !(fill <= record.FillFactorLimit)) {
    return Refuse(WindingRefusal::Fill,
                  FormatGeneral(turns) + " turns of " +
                      WireText(strands, wires.Gauge[static_cast<std::size_t>(wire)], separator) +
                      " fill " + FillPercent(fill, separator) +
                      " of the core's window, more than the " +
                      FillPercent(record.FillFactorLimit, separator) + " fill factor entered.");
  }
  if (EvaluateCore(record, wires, given) == Evaluation::VpeakStop) {
    return Refuse(WindingRefusal::NoOperation,
                  "There is nothing to wind for: the output voltage is below the line peak.");
  }
  return {};
}

}  // namespace pfc
