#pragma once

#include <array>
#include <string>

#include "engine/check/design_limits.h"
#include "engine/check/operating_check.h"
#include "engine/record/design_record.h"
#include "reports/check/check_verdict_texts.h"

// The Operating Check window's own words: its figures and verdicts are the ones of
// reports/check/check_figures.h and reports/check/check_verdict_texts.h.
namespace pfc::ui {

// "TD-26 × 2, 31 turns, AWG 12: 1500 W, 85 to 264 V in, 380 V out, 100 kHz, 150 µH".
std::string CheckedDesignName(const DesignRecord& record, char decimalSeparator);

// The worst-case core's figures in one paragraph, both line voltages beside each other: "Worst
// case, AL 8 % below the catalogue's (low line / high line): inductance at line-peak current
// 41.2 µH / 130.5 µH, …". Empty without a worst case.
std::string WorstCaseText(const DesignRecord& record, const OperatingCheck& check,
                          char decimalSeparator);

// What to do when a verdict misses: the limits missed, and the search for designs that meet
// them. Empty when every verdict passes.
std::string NextStepText(const std::array<CheckVerdictText, kCheckVerdicts>& verdicts,
                         const DesignLimits& limits, char decimalSeparator);

}  // namespace pfc::ui
