#pragma once

#include <optional>
#include <vector>

#include "engine/check/operating_check.h"
#include "engine/record/design_record.h"

// The curves of the "Operating Check" window's two charts, worked out from a check so that
// the charts only draw them.
namespace pfc::ui {

struct CurvePoint {
  double x = 0;
  double y = 0;
};

// Points on the curve at one line voltage's currents, where the check has them.
struct CurrentMarks {
  std::optional<CurvePoint> linePeak;  // at the line-peak current
  std::optional<CurvePoint> peak;      // at the peak current with ripple
};

struct InductanceCurves {
  double currentEnd = 0;               // A: 1.2 × the larger peak current of the two lines
  double targetUh = 0;                 // the entered inductance
  std::vector<CurvePoint> inductance;  // µH against A, 0 to currentEnd
  CurrentMarks lowLine;
  CurrentMarks highLine;
};

// The incremental inductance at the check's grade, sampled at `samples` currents.
InductanceCurves InductanceAgainstCurrent(const DesignRecord& record, const OperatingCheck& check,
                                          int samples = 241);

struct LineCurrentCurves {
  std::vector<CurvePoint> average;  // A against degrees, 0° to 180°
  std::vector<CurvePoint> upper;    // average plus half the ripple
  std::vector<CurvePoint> lower;    // average minus half the ripple, not below zero
};

// One line voltage over the half cycle: the checked quarter cycle and its mirror image. A line
// where the core saturates has no envelopes: a line drawn across the angles without a ripple
// would show one that does not exist.
LineCurrentCurves CurrentOverHalfCycle(const LineCheck& line);

}  // namespace pfc::ui
