#include "engine/publication.h"

#include "engine/core_selection.h"
#include "engine/engine_messages.h"

namespace pfc {

PublishEnding PublishResults(const DesignRecord& r, std::vector<Message>& messages, char sep) {
  if (r.HMax > kFieldStrengthLimit) {
    messages.push_back(FieldStrengthMessage(r.CalcType, r.HMax, sep));
    return PublishEnding::FieldStrength;
  }
  if (TotalTemperatureTooHigh(r))
    messages.push_back(TotalTemperatureMessage());
  return PublishEnding::Published;
}

bool TotalTemperatureTooHigh(const DesignRecord& r) {
  return !(r.AmbientTemp + r.TempRise < kTemperatureCeiling);
}

}  // namespace pfc
