#pragma once

#include <string>

#include "engine/check/operating_check.h"
#include "engine/record/design_record.h"

// The Operating Check window's own words: its figures and verdicts are the ones of
// reports/check/check_figures.h and reports/check/check_verdict_texts.h.
namespace pfc::ui {

// "TD-26 × 2, 31 turns, AWG 12: 1500 W, 85 to 264 V in, 380 V out, 100 kHz, 150 µH".
std::string CheckedDesignName(const DesignRecord& record, char decimalSeparator);

}  // namespace pfc::ui
