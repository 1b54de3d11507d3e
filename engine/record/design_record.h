#pragma once

#include <cstdint>
#include <string>

namespace pfc {

// Calculator types held in DesignRecord::CalcType.
inline constexpr std::int16_t CalcSelects = 1;    // the calculator selects the core
inline constexpr std::int16_t DesignerPicks = 2;  // the designer picks it from the list

// The one design of the process: the converted inputs, the calculator mode, the chosen core
// and every computed quantity. Owned by the application, handed out by reference, never
// cleared: each run overwrites it field by field, so a run that stops part-way leaves the
// fields it did not reach at the previous run's values.
struct DesignRecord {
  // Inputs, written by initValues before validation.
  double Frequency = 0;    // Hz
  double Inductance = 0;   // H, full-load (full-bias) inductance
  double OutputPower = 0;  // W
  double Efficiency = 0;   // fraction (entered percent / 100)
  double VinMin = 0;       // V RMS, the line the design is made for
  double VinMax = 0;       // V RMS, shown and reported only
  double Vout = 0;         // V DC
  double AmbientTemp = 0;  // °C

  // Mode and selection.
  std::int16_t CalcType = 0;      // 0 until a calculator-type box was ticked
  std::int16_t CoresToStack = 0;  // valid 1 to 9
  std::string SelectedCoreSize;   // catalogue part number
  std::int16_t CoreIndex = 0;     // catalogue row, 1 to the row count
  double MaxAreaProduct = 0;      // cm⁴, largest WaAc of the catalogue
  double FillFactorLimit = 0;     // fraction, Ku of the area product

  // Operating point at VinMin.
  double InputPower = 0;   // W
  double IinRms = 0;       // A
  double IinPeakLine = 0;  // A, without ripple
  double Iripple = 0;      // A peak-to-peak
  double IinPeak = 0;      // A, with half the ripple
  double Energy = 0;       // J
  double AreaProduct = 0;  // cm⁴: the requirement until a core is loaded, then the stack's

  // Chosen core; stack values where the comment says so.
  double CoreOD = 0;       // cm, one core
  double CoreID = 0;       // cm, one core
  double CoreHT = 0;       // cm, whole stack
  double CoreArea = 0;     // cm², stack
  double WindowArea = 0;   // cm², one core
  double PathLength = 0;   // cm, one core
  double AlValue = 0;      // nH/turn², stack
  double CoreMass = 0;     // g, stack
  double SurfaceArea = 0;  // cm², outer surface of the stack

  // Winding, magnetics and losses.
  double Tstep = 0;          // µs
  double Turns = 0;          // whole number, 1 to 32000
  double HMax = 0;           // Oe
  double ZeroBiasL = 0;      // µH
  double ConductorArea = 0;  // cm²
  double WireGauge = 0;      // AWG
  // Strands of the wire wound in parallel, whole, 1 to kMostStrands; the method winds one.
  // WireArea, WireDia and WireResistance are one strand's.
  double Strands = 1;
  double WireArea = 0;           // cm²
  double WireDia = 0;            // cm
  double WireResistance = 0;     // Ω/cm
  double MLT = 0;                // cm
  double ActualFillFactor = 0;   // fraction of one core's window
  double ConductorLength = 0;    // cm
  double MarginLength = 0;       // cm
  double WindingResistance = 0;  // Ω
  double CopperLoss = 0;         // W
  double Vpeak = 0;              // V
  double Dmax = 0;               // fraction
  double DeltaB = 0;             // G
  double DeltaBavg = 0;          // G
  double Bac = 0;                // G
  double CoreLossDensity = 0;    // W/kg
  double CoreLoss = 0;           // W
  double TotalLoss = 0;          // W
  double TempRise = 0;           // °C
};

// Calls visit(name, field) for every field of the design record in declared order, with the
// field's own name; works on a const or a mutable record. Exports and comparisons go
// through this one list, which lies beside the record so that a field is added to both at
// once. Strands is left out: the method always winds one, and its exports (the design's
// JSON, the batch columns) are the method's; the check's exports name a given winding's
// strands themselves.
template <typename Record, typename Visitor>
void VisitRecordFields(Record& r, Visitor&& visit) {
  visit("Frequency", r.Frequency);
  visit("Inductance", r.Inductance);
  visit("OutputPower", r.OutputPower);
  visit("Efficiency", r.Efficiency);
  visit("VinMin", r.VinMin);
  visit("VinMax", r.VinMax);
  visit("Vout", r.Vout);
  visit("AmbientTemp", r.AmbientTemp);
  visit("CalcType", r.CalcType);
  visit("CoresToStack", r.CoresToStack);
  visit("SelectedCoreSize", r.SelectedCoreSize);
  visit("CoreIndex", r.CoreIndex);
  visit("MaxAreaProduct", r.MaxAreaProduct);
  visit("FillFactorLimit", r.FillFactorLimit);
  visit("InputPower", r.InputPower);
  visit("IinRms", r.IinRms);
  visit("IinPeakLine", r.IinPeakLine);
  visit("Iripple", r.Iripple);
  visit("IinPeak", r.IinPeak);
  visit("Energy", r.Energy);
  visit("AreaProduct", r.AreaProduct);
  visit("CoreOD", r.CoreOD);
  visit("CoreID", r.CoreID);
  visit("CoreHT", r.CoreHT);
  visit("CoreArea", r.CoreArea);
  visit("WindowArea", r.WindowArea);
  visit("PathLength", r.PathLength);
  visit("AlValue", r.AlValue);
  visit("CoreMass", r.CoreMass);
  visit("SurfaceArea", r.SurfaceArea);
  visit("Tstep", r.Tstep);
  visit("Turns", r.Turns);
  visit("HMax", r.HMax);
  visit("ZeroBiasL", r.ZeroBiasL);
  visit("ConductorArea", r.ConductorArea);
  visit("WireGauge", r.WireGauge);
  visit("WireArea", r.WireArea);
  visit("WireDia", r.WireDia);
  visit("WireResistance", r.WireResistance);
  visit("MLT", r.MLT);
  visit("ActualFillFactor", r.ActualFillFactor);
  visit("ConductorLength", r.ConductorLength);
  visit("MarginLength", r.MarginLength);
  visit("WindingResistance", r.WindingResistance);
  visit("CopperLoss", r.CopperLoss);
  visit("Vpeak", r.Vpeak);
  visit("Dmax", r.Dmax);
  visit("DeltaB", r.DeltaB);
  visit("DeltaBavg", r.DeltaBavg);
  visit("Bac", r.Bac);
  visit("CoreLossDensity", r.CoreLossDensity);
  visit("CoreLoss", r.CoreLoss);
  visit("TotalLoss", r.TotalLoss);
  visit("TempRise", r.TempRise);
}

}  // namespace pfc
