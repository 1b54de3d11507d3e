#pragma once

#include <array>
#include <string>

#include "engine/check/check_verdicts.h"
#include "engine/check/operating_check.h"
#include "engine/record/design_record.h"

// The operating check's verdicts as people read them, as data: what each judges (the engine's
// JudgeCheck), its sentence, whether the design passes and the line voltages it is about. The
// command line's table, the Operating Check window and the colours of Compare Cores' check
// columns all read them here.
namespace pfc {

struct CheckVerdictText {
  CheckVerdict code;
  std::string text;  // one sentence, with the figures of the line voltages it judges
  bool passes = false;
  bool low = false;    // the low line misses, or is not known to pass
  bool high = false;   // the high line misses, or is not known to pass
  bool judged = true;  // false for the ripple without a limit: shown, neither pass nor miss
};

// The verdicts of a check of this record, in the order of CheckVerdict.
std::array<CheckVerdictText, kCheckVerdicts> CheckVerdictTexts(const DesignRecord& record,
                                                               const OperatingCheck& check,
                                                               const DesignLimits& limits,
                                                               char decimalSeparator);

// True where a figure a verdict judges by a limit (the inductance's % of the target, the
// crest ripple's % of the line-peak current, the winding temperature in °C) is beyond that
// limit; false for the other verdicts and for a figure that is not a number.
bool BeyondLimit(CheckVerdict code, double figure, const DesignLimits& limits = {});

}  // namespace pfc
