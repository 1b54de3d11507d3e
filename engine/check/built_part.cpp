#include "engine/check/built_part.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "engine/check/operating_check.h"
#include "engine/method/method_constants.h"

namespace pfc {

BuiltPart PartOfRecord(const DesignRecord& record, PartMaterial material, WindingRequest winding) {
  BuiltPart part;
  part.partNumber = record.SelectedCoreSize;
  part.catalogueRow = record.CoreIndex;
  part.stack = record.CoresToStack;
  part.material = std::move(material);
  part.winding = winding;
  return part;
}

Material MaterialOfPart(const DesignRecord& record, const PartMaterial& material) {
  return material.own ? *material.own : GradeMaterialFor(record, material.grade);
}

PartWound WindPart(DesignRecord& record, const WireTable& wires, const BuiltPart& part, bool stored,
                   char decimalSeparator) {
  PartWound wound;
  wound.applied = ApplyWinding(record, wires, part.winding, decimalSeparator);
  const WindingRefusal refusal = wound.applied.refusal;
  wound.setAside =
      stored && (refusal == WindingRefusal::Fill || refusal == WindingRefusal::Turns ||
                 refusal == WindingRefusal::Gauge || refusal == WindingRefusal::Strands);
  return wound;
}

WindingInstructions InstructionsFor(const DesignRecord& r, double leadLength) {
  WindingInstructions out;
  out.strands = static_cast<int>(r.Strands);
  out.turnsPerLayer = std::max(1, static_cast<int>(std::floor(TurnsPerHoleLayer(r))));
  out.layers = static_cast<int>(std::ceil(r.Turns * r.Strands / out.turnsPerLayer));
  out.copperDiameter = ConductorDiameter(r) * 100;
  out.windingLength = r.MarginLength;
  out.wireLength = r.MarginLength + 2 * leadLength;
  out.totalWireLength = out.wireLength * r.Strands;
  const double copperArea = std::numbers::pi / 4 * out.copperDiameter * out.copperDiameter;
  out.copperMassG = copperArea * out.totalWireLength * kCopperDensity;
  out.dcr20 = r.WindingResistance;
  return out;
}

double WindingResistanceAt(const DesignRecord& r, double temperature) {
  return r.WindingResistance * CopperResistanceFactor(temperature);
}

}  // namespace pfc
