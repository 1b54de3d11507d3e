#pragma once

#include <vector>

#include "engine/record/design_record.h"
#include "engine/record/message.h"

// The last step of a run: the field-strength stop, or publication with the total-temperature
// warning. The texts of the published design are the summary's to write (reports/).
namespace pfc {

enum class PublishEnding { Published, FieldStrength };

// Appends the message the step shows (the field-strength stop, or the total-temperature
// warning) and tells whether the design is published.
PublishEnding PublishResults(const DesignRecord& record, std::vector<Message>& messages,
                             char decimalSeparator);

// Ambient plus rise at or above 155 °C, or not a number: a temperature that is not a number
// is never shown as safe. The warning and the summary's emphasis both follow this.
bool TotalTemperatureTooHigh(const DesignRecord& record);

}  // namespace pfc
