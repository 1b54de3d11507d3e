#include "reports/check/method_limit_texts.h"

#include "engine/method/core_selection.h"
#include "engine/record/number_text.h"

namespace pfc {

std::string MethodLimitText(MethodLimit limit, const DesignRecord& r, char separator) {
  switch (limit) {
    case MethodLimit::FieldStrength:
      return "field at the peak current " + FormatPlaces(r.HMax, 2, separator) + " Oe, limit " +
             FormatGeneral(kFieldStrengthLimit, separator) + " Oe";
    case MethodLimit::Temperature:
      return "temperature by the method's law " +
             FormatPlaces(r.AmbientTemp + r.TempRise, 2, separator) + " °C, limit below " +
             FormatGeneral(kTemperatureCeiling, separator) + " °C";
    case MethodLimit::AreaProduct:
      return "area product " + FormatPlaces(r.AreaProduct, 2, separator) + " cm⁴, needed " +
             FormatPlaces(RequiredAreaProduct(r), 2, separator) + " cm⁴";
  }
  return {};
}

std::string MethodLimitsLine(const DesignRecord& record, char separator) {
  std::string line = "The method's limits for this winding:";
  const char* between = " ";
  for (const MethodLimitOutcome& limit : JudgeMethodLimits(record)) {
    line.append(between).append(limit.misses ? "misses " : "meets ");
    line.append(MethodLimitText(limit.code, record, separator));
    between = "; ";
  }
  return line + ".";
}

}  // namespace pfc
