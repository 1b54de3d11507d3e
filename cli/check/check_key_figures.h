#pragma once

#include "engine/check/operating_check.h"

// The check's key figures as `check --json` names them, for the exports that give them:
// check --json nests them under each line, batch --check flattens them into columns.
namespace pfc {

// visit(name, line, worst) for "low_line" and "high_line", in that order; worst is the line
// of the worst-case core, nullptr without one.
template <typename Visitor>
void VisitCheckedLines(const OperatingCheck& check, Visitor&& visit) {
  const WorstCaseCheck* worst = check.worstCase ? &*check.worstCase : nullptr;
  visit("low_line", check.lowLine, worst != nullptr ? &worst->lowLine : nullptr);
  visit("high_line", check.highLine, worst != nullptr ? &worst->highLine : nullptr);
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

// The worst-case core's figures of a line ("worst_case" under the line), in their export
// order: the two InductanceAtCurrent groups whole, the others CheckedNumbers.
template <typename Visitor>
void VisitWorstCaseFigures(const LineCheck& worst, Visitor&& visit) {
  visit("at_ipk_line", worst.atIpkLine);
  visit("ipk", worst.ipk);
  visit("at_ipk", worst.atIpk);
  visit("ripple_at_crest_pp", worst.rippleAtCrestPp);
  visit("ripple_at_crest_percent_of_ipk_line", worst.rippleAtCrestPercentOfIpkLine);
}

}  // namespace pfc
