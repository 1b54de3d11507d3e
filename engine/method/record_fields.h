#pragma once

#include "engine/method/design_record.h"

namespace pfc {

// Calls visit(name, field) for every field of the design record in declared order, with the
// field's own name; works on a const or a mutable record. Exports and comparisons go
// through this one list, so a field added to the record is added here once.
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
