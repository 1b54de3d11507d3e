#include "ui/forms/summary/summary_window.h"

#include "reports/check/check_verdict_texts.h"

#include "ui/forms/session/form_names.h"
#include "ui/forms/summary/summary_children.h"
#include "ui/forms/summary/summary_design.h"

namespace pfc::ui {

void ShowSummary(Toolkit& toolkit, const ResultSummary& wanted, ResultSummary& shown) {
  for (const SummaryText& text : kSummaryTexts) {
    if (wanted.*text.text != shown.*text.text) {
      toolkit.SetText(kSummaryForm, text.control, wanted.*text.text);
    }
  }
  if (wanted.txtTotalTempStyle != shown.txtTotalTempStyle) {
    const bool warn = wanted.txtTotalTempStyle == TotalTempStyle::BoldRed;
    toolkit.SetBold(kSummaryForm, "txtTotalTemp", warn);
    toolkit.SetForeColor(kSummaryForm, "txtTotalTemp", warn ? kRed : kBlack);
  }
  shown = wanted;
}

namespace {
// Stand-in until the reports' own line arrives.
struct CheckOutcome {
  std::string text;
  bool passes = true;
};
CheckOutcome CheckOutcomeLine(const DesignRecord& record, const OperatingCheck& check,
                              const DesignLimits& limits, char separator) {
  CheckOutcome outcome{"Operating check: PASS", true};
  for (const CheckVerdictText& verdict : CheckVerdictTexts(record, check, limits, separator)) {
    if (verdict.judged && !verdict.passes && outcome.passes) {
      outcome = {"Operating check: MISS: " + verdict.text, false};
    }
  }
  return outcome;
}
}  // namespace

void ShowCheckOutcome(Toolkit& toolkit, const DesktopSession& session) {
  std::string line;
  bool misses = false;
  if (SummaryShowsADesign(toolkit, session)) {
    CheckedDesign published(session.wires, session.limits);
    published.Check(session.record, "the published design");
    const CheckOutcome outcome = CheckOutcomeLine(published.Record(), published.Result(),
                                                  published.Limits(), session.decimalSeparator);
    line = outcome.text;
    misses = !outcome.passes;
  }
  toolkit.SetText(kSummaryForm, summary_controls::kLblCheckOutcome, line);
  toolkit.SetForeColor(kSummaryForm, summary_controls::kLblCheckOutcome, misses ? kRed : kNavy);
}

}  // namespace pfc::ui
