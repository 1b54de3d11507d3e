#include "engine/method/core_selection.h"

#include <cmath>

#include "engine/method/core_design.h"
#include "engine/method/method_constants.h"

namespace pfc {

void ComputeOperatingPoint(DesignRecord& r) {
  r.InputPower = r.OutputPower / r.Efficiency;               // W
  r.IinRms = r.InputPower / r.VinMin;                        // A at the lowest line
  r.IinPeakLine = r.IinRms * std::sqrt(2.0);                 // A
  r.Iripple = (kMethodRipplePercent / 100) * r.IinPeakLine;  // A peak to peak
  r.IinPeak = r.Iripple / 2 + r.IinPeakLine;                 // A
  r.Energy = 0.5 * r.Inductance * r.IinPeak * r.IinPeak;     // J
  r.AreaProduct = RequiredAreaProduct(r);
}

double RequiredAreaProduct(const DesignRecord& r) {
  // In cm⁴, with the fill factor as Ku.
  return (2 * r.Energy) * 10000 / (r.FillFactorLimit * kAreaProductFluxCurrent);
}

Selection SelectCore(DesignRecord& r, const CoreCatalogue& catalogue) {
  const std::int16_t last = catalogue.RowCount();
  if (r.CalcType == DesignerPicks) {
    const std::int16_t row = catalogue.FindPartNo(r.SelectedCoreSize);
    if (row == 0)
      return Selection::UnknownCore;
    r.CoreIndex = row;
    return Selection::Selected;
  }
  const double stack = r.CoresToStack;
  if (stack * catalogue.WaAc[static_cast<std::size_t>(last)] < r.AreaProduct) {
    return Selection::AreaProductStop;
  }
  // The rows ascend in area product: walking down leaves the smallest row that strictly
  // exceeds the requirement. Should none exceed it, the last row equals it and is taken.
  r.CoreIndex = last;
  for (std::int16_t i = last;
       i != 0 && stack * catalogue.WaAc[static_cast<std::size_t>(i)] > r.AreaProduct; --i) {
    r.CoreIndex = i;
  }
  return Selection::Selected;
}

bool CoreAccepted(const DesignRecord& r) {
  return r.TempRise <= kTemperatureCeiling - r.AmbientTemp && r.HMax <= kFieldStrengthLimit;
}

Refinement RefineCore(DesignRecord& r, const CoreCatalogue& catalogue, const WireTable& wires) {
  const std::int16_t last = catalogue.RowCount();
  for (;;) {
    LoadCore(r, catalogue, r.CoreIndex);
    if (EvaluateCore(r, wires) == Evaluation::VpeakStop)
      return Refinement::VpeakStop;
    if (r.CalcType == DesignerPicks || CoreAccepted(r))
      return Refinement::Completed;
    if (r.CoreIndex < last) {
      ++r.CoreIndex;
      continue;
    }
    return r.TempRise > kTemperatureCeiling - r.AmbientTemp ? Refinement::LastRowTooHot
                                                            : Refinement::Completed;
  }
}

}  // namespace pfc
