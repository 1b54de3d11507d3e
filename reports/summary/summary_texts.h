#pragma once

#include "engine/record/design_record.h"
#include "reports/summary/result_summary.h"

// The one place where the numbers of a design become the texts of its result summary.
namespace pfc {

// Writes the eight input-group texts of the result summary from the record, in window order
// (Frequency, Inductance, Output Power, Efficiency, Vin Min, Vin Max, Vout, Ambient
// Temperature). The fill factor and the input-side core size are left alone: publication
// owns the first and nothing writes the second. The summary window echoes the inputs so on
// load and on every activation, so the texts always match the record the calculation used.
void EchoInputs(const DesignRecord& record, ResultSummary& summary, char decimalSeparator = '.');

// The whole summary of a published design: the input echo, the output group with the fill
// factor, and the total temperature with its emphasis and unit label.
ResultSummary PublishedSummary(const DesignRecord& record, char decimalSeparator = '.');

}  // namespace pfc
