#pragma once

#include <vector>

#include "engine/design_record.h"
#include "engine/design_run.h"
#include "engine/result_summary.h"

// The last step of a run: the field-strength stop, or the output texts of the summary with
// the total-temperature verdict.
namespace pfc {

enum class PublishEnding { Published, FieldStrength };

// Appends the messages the step shows (the field-strength stop, or the total-temperature
// warning) and, when published, writes the output group and txtFillFactor of the summary
// with the given decimal separator. The input group is left alone.
PublishEnding PublishResults(const DesignRecord& record, ResultSummary& summary,
                             std::vector<Message>& messages, char decimalSeparator);

}  // namespace pfc
