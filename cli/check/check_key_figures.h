#pragma once

#include "engine/check/operating_check.h"

// The check's key figures as `check --json` names them, for the exports that give them:
// check --json nests them under each line, batch --check flattens them into columns.
namespace pfc {

// visit(name, line) for "low_line" and "high_line", in that order.
template <typename Visitor>
void VisitCheckedLines(const OperatingCheck& check, Visitor&& visit) {
  visit("low_line", check.lowLine);
  visit("high_line", check.highLine);
}

// The key figures of a line in their export order: those of VisitLineFigures (the two
// InductanceAtCurrent groups whole, every other one a CheckedNumber), then the flags
// "steady", "peak_above_vout" and "saturates" as bools. The angle rows are not key figures.
template <typename Visitor>
void VisitLineKeyFigures(const LineCheck& line, Visitor&& visit) {
  VisitLineFigures(line, visit);
  visit("steady", line.Steady());
  visit("peak_above_vout", line.peakAboveVout);
  visit("saturates", line.saturates);
}

}  // namespace pfc
