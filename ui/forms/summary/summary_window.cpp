#include "ui/forms/summary/summary_window.h"

#include "engine/check/check_verdicts.h"
#include "reports/check/next_step_texts.h"
#include "reports/check/part_texts.h"

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

void ShowCheckOutcome(Toolkit& toolkit, const DesktopSession& session) {
  std::string line;
  bool misses = false;
  // Only a core the method evaluated can be wound: a summary filled in without a run has none.
  if (SummaryShowsADesign(toolkit, session) && session.record.SurfaceArea > 0) {
    CheckedDesign published(session.wires, session.limits);
    published.Check(session.record, "the published design");
    const OperatingCheck& check = published.Result();
    line = OperatingCheckSummaryLine(check, published.Limits(), session.decimalSeparator);
    for (const VerdictOutcome& verdict : JudgeCheck(check, published.Limits()))
      misses = misses || (verdict.judged && !verdict.Passes());
  }
  toolkit.SetText(kSummaryForm, summary_controls::kLblCheckOutcome, line);
  toolkit.SetForeColor(kSummaryForm, summary_controls::kLblCheckOutcome, misses ? kRed : kNavy);
}

void ShowPartNote(Toolkit& toolkit, const DesktopSession& session) {
  BuiltPart part;
  part.material = session.checked.ChosenPartMaterial();
  part.winding = session.checked.Winding();
  std::string note;
  if (part.Given()) {
    note = MethodDesignNote(part, "the Operating Check and its Build Sheet",
                            session.decimalSeparator) +
           ".";
    note.front() = 'T';
  }
  if (toolkit.Text(kSummaryForm, summary_controls::kLblPartNote) != note)
    toolkit.SetText(kSummaryForm, summary_controls::kLblPartNote, note);
}

}  // namespace pfc::ui
