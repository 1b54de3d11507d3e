#include "engine/method/publication.h"

#include "engine/method/core_selection.h"
#include "engine/method/engine_messages.h"

namespace pfc {

PublishEnding PublishResults(const DesignRecord& record, std::vector<Message>& messages,
                             char decimalSeparator) {
  if (record.HMax > kFieldStrengthLimit) {
    messages.push_back(FieldStrengthMessage(record.CalcType, record.HMax, decimalSeparator));
    return PublishEnding::FieldStrength;
  }
  if (TotalTemperatureTooHigh(record))
    messages.push_back(TotalTemperatureMessage());
  return PublishEnding::Published;
}

bool TotalTemperatureTooHigh(const DesignRecord& r) {
  return !(r.AmbientTemp + r.TempRise < kTemperatureCeiling);
}

}  // namespace pfc
