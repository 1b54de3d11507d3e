#pragma once

#include "engine/design_record.h"
#include "engine/result_summary.h"

namespace pfc {

// Writes the eight input-group texts of the result summary from the record, in window order
// (Frequency, Inductance, Output Power, Efficiency, Vin Min, Vin Max, Vout, Ambient
// Temperature). The fill factor and the input-side core size are left alone: publication
// owns the first and nothing writes the second. The summary window calls this on load and on
// every activation, so the texts always match the record the calculation used.
void EchoInputs(const DesignRecord& record, ResultSummary& summary, char decimalSeparator = '.');

}  // namespace pfc
