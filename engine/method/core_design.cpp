#include "engine/method/core_design.h"

#include <cmath>

#include "engine/method/method_constants.h"
#include "engine/record/number_text.h"

namespace pfc {

void LoadCore(DesignRecord& record, const CoreCatalogue& catalogue, std::int16_t row) {
  const auto i = static_cast<std::size_t>(row);
  const double n = record.CoresToStack;
  record.AreaProduct = n * catalogue.WaAc[i];  // cm⁴, the stack's from now on
  record.CoreOD = catalogue.OD[i] / 10;        // mm to cm
  record.CoreID = catalogue.ID[i] / 10;
  record.CoreHT = catalogue.HT[i] / 10 * n;  // cm, whole stack
  record.CoreArea = n * catalogue.Ac[i];     // cm²
  record.WindowArea = catalogue.Wa[i];       // the window does not grow with the stack
  record.PathLength = catalogue.Lm[i];
  record.AlValue = n * catalogue.Al[i];  // nH/turn²
  record.CoreMass = n * catalogue.Mass[i];
  // Two annular end faces plus the outer and inner walls of the stacked toroid, cm².
  const double outerRadius = record.CoreOD / 2;
  const double innerRadius = record.CoreID / 2;
  record.SurfaceArea = (outerRadius * outerRadius - innerRadius * innerRadius) * kMethodTwoPi +
                       record.CoreOD * kMethodPi * record.CoreHT +
                       record.CoreID * kMethodPi * record.CoreHT;
}

namespace {

// Whole turns on 70 % of the stack's inductance factor, so that the entered inductance is
// the one left at full bias. Inductance in H, AlValue in nH/turn².
double TurnsFor(double inductance, double alValue) {
  const double x = (inductance * 1e9) / (alValue * (kMethodPermeabilityPercent / 100));
  const double turns = RoundHalfEven(std::sqrt(x), 0);
  if (turns > 32000)
    return kMostTurns;
  if (turns < 1)
    return 1;
  return turns;
}

}  // namespace

double MethodTurns(const DesignRecord& r) {
  return TurnsFor(r.Inductance, r.AlValue);
}

std::int16_t MethodWireRow(const DesignRecord& r, const WireTable& wires) {
  // Below the thinnest wire's area the thinnest wire still carries the current; keeping
  // the previous design's wire would describe another winding.
  const std::int16_t wire = SelectWire(r.IinRms / kCurrentDensity, wires);  // cm²
  return wire == 0 ? wires.RowCount() : wire;
}

double WindingFillFactor(double turns, double wireDia, double windowArea) {
  return wireDia * (turns * kMethodPi * wireDia) / 4 / windowArea;
}

std::int16_t SelectWire(double conductorArea, const WireTable& wires) {
  const double areaInTable = conductorArea * 1000;  // the table holds 10⁻³ cm²
  const std::int16_t rows = wires.RowCount();
  for (std::int16_t k = 1; k <= rows; ++k) {
    if (areaInTable >= wires.Area[static_cast<std::size_t>(k)])
      return k;
  }
  return 0;
}

Evaluation EvaluateCore(DesignRecord& r, const WireTable& wires, const GivenWinding& given) {
  r.Tstep = (1 / r.Frequency) / 0.000001;  // µs
  r.Turns = given.turns ? *given.turns : MethodTurns(r);
  r.HMax = r.IinPeak * r.Turns * kOerstedFactor * kMethodPi / r.PathLength;  // Oe
  r.ZeroBiasL = r.Turns * r.Turns * (r.AlValue / 1000);                      // µH, full Al
  r.ConductorArea = r.IinRms / kCurrentDensity;                              // cm²

  const std::int16_t wire = given.wireRow ? *given.wireRow : MethodWireRow(r, wires);
  const auto k = static_cast<std::size_t>(wire);
  r.WireGauge = wires.Gauge[k];
  r.WireArea = wires.Area[k] / 1000;                 // cm²
  r.WireDia = wires.Diameter[k];                     // cm over the insulation
  r.WireResistance = wires.Resistance[k] / 1000000;  // Ω/cm
  r.Strands = given.strands;

  // Round conductors of all turns, each of every strand, over one core's window.
  r.ActualFillFactor = WindingFillFactor(r.Turns * r.Strands, r.WireDia, r.WindowArea);
  r.MLT = (r.CoreOD - r.CoreID) + 2 * r.CoreHT;  // cm, perimeter of the stack's section
  r.ConductorLength = r.MLT * r.Turns;           // cm
  r.MarginLength = r.ConductorLength * kWireLengthMargin;
  r.WindingResistance = r.MarginLength * r.WireResistance / r.Strands;  // Ω, strands in parallel
  r.CopperLoss = r.IinRms * r.IinRms * r.WindingResistance;             // W

  r.Vpeak = r.VinMin * kMethodSqrt2;  // V
  if (r.Vout - r.Vpeak < 0)
    return Evaluation::VpeakStop;
  r.Dmax = (r.Vout - r.Vpeak) / r.Vout;
  // Volt-seconds of one on-time at the line peak over turns and section, in gauss.
  r.DeltaB = r.Dmax * r.Vpeak * r.Tstep * 0.000001 * 1e8 / (r.Turns * r.CoreArea);
  r.DeltaBavg = kLineAverageFluxShare * r.DeltaB;  // averaged over the line cycle
  r.Bac = r.DeltaBavg / 2;
  // Loss density in W/kg from the flux in tesla and the frequency in kHz.
  r.CoreLossDensity =
      std::pow(r.Bac / 10000, kCoreLossFluxExponent) *
      (kCoreLossCoefficient * std::pow(r.Frequency / 1000, kCoreLossFrequencyExponent));
  r.CoreLoss = r.CoreLossDensity * r.CoreMass / 1000;  // W, mass in g
  r.TotalLoss = r.CoreLoss + r.CopperLoss;
  // Temperature rise from the loss per cm² of the stack's outer surface, °C.
  r.TempRise =
      std::pow(r.TotalLoss / r.SurfaceArea, kThermalRiseExponent) * kThermalRiseCoefficient;
  return Evaluation::Completed;
}

}  // namespace pfc
