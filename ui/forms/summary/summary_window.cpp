#include "ui/forms/summary/summary_window.h"

#include "ui/forms/session/form_names.h"

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

}  // namespace pfc::ui
