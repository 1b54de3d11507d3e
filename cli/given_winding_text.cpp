#include "cli/given_winding_text.h"

#include "engine/check_verdicts.h"
#include "engine/core_selection.h"
#include "engine/number_text.h"

namespace pfc {
namespace {

std::string LimitLine(const MethodLimitOutcome& limit, const DesignRecord& r) {
  switch (limit.code) {
    case MethodLimit::FieldStrength:
      return "field at the peak current " + FormatPlaces(r.HMax, 2) + " Oe, limit " +
             FormatGeneral(kFieldStrengthLimit) + " Oe";
    case MethodLimit::Temperature:
      return "temperature by the method's law " + FormatPlaces(r.AmbientTemp + r.TempRise, 2) +
             " °C, limit below " + FormatGeneral(kTemperatureCeiling) + " °C";
    case MethodLimit::AreaProduct:
      return "area product " + FormatPlaces(r.AreaProduct, 2) + " cm⁴, needed " +
             FormatPlaces(RequiredAreaProduct(r), 2) + " cm⁴";
  }
  return {};
}

}  // namespace

std::string GivenWindingText(const DesignRecord& record) {
  std::string out = "\nThe method's limits, for the given winding\n";
  for (const MethodLimitOutcome& limit : JudgeMethodLimits(record)) {
    out.append("  ").append(limit.misses ? "misses: " : "meets:  ");
    out.append(LimitLine(limit, record)).append(".\n");
  }
  return out;
}

}  // namespace pfc
