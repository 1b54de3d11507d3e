#include "ui/forms/summary/summary_form.h"

#include "reports/summary/summary_texts.h"
#include "ui/forms/design_files/design_file_commands.h"
#include "ui/forms/session/form_names.h"
#include "ui/forms/session/shared_controls.h"
#include "ui/forms/summary/summary_children.h"
#include "ui/forms/summary/summary_design.h"
#include "ui/forms/summary/summary_window.h"

namespace pfc::ui {

using namespace summary_controls;

void SummaryForm::Form_Load() {
  toolkit_.Centre(kSummaryForm);
  session_.summary = ResultSummary{};  // the texts as the window is designed
  EchoInputs();
  limitsSubscription_ = session_.limits.Listen([this] { ShowCheckOutcome(toolkit_, session_); });
  checkedSubscription_ = session_.checked.Listen([this] {
    if (toolkit_.IsLoaded(kSummaryForm))
      ShowPartNote(toolkit_, session_);
  });
}

void SummaryForm::Form_Activate() {
  EchoInputs();
  ShowCheckOutcome(toolkit_, session_);
  ShowPartNote(toolkit_, session_);
}

void SummaryForm::EchoInputs() {
  ResultSummary echoed = session_.summary;
  pfc::EchoInputs(session_.record, echoed, session_.decimalSeparator);
  ShowSummary(toolkit_, echoed, session_.summary);
}

void SummaryForm::Form_Unload() {
  limitsSubscription_ = {};
  checkedSubscription_ = {};
  CloseSummaryChildren(toolkit_, services_);
  // Both ways back (here and the viewer's) clear the input form's core pick, which its
  // title's star must show before the form is activated again.
  ShowDesignFileTitle(toolkit_, session_);
  // A summary that was never shown (its run stopped) leaves without showing anything.
  if (toolkit_.IsVisible(kSummaryForm)) {
    toolkit_.Show(kInputForm);
  }
}

void SummaryForm::Click(std::string_view control) {
  if (control == kCmdIinterOutput) {
    cmdIinterOutput_Click();
  } else if (control == kCmdReport) {
    cmdReport_Click();
  } else if (control == kCmdExit) {
    cmdExit_Click();
  } else if (control == kCmdWebLink) {
    cmdWebLink_Click();
  } else if (control == kCmdCompareCores) {
    GoThrough(session_.doors.compareCores, toolkit_);
  } else if (control == kCmdFindDesigns) {
    GoThrough(session_.doors.findDesigns, toolkit_);
  } else if (control == kOpenOperatingCheckButton) {
    GoThrough(session_.doors.checkPublishedDesign, toolkit_);
  }
}

void SummaryForm::MouseDown(std::string_view control) {
  if (control == kLabel2) {
    toolkit_.SetForeColor(kSummaryForm, kCmdWebLink, kYellow);
  }
}

void SummaryForm::MouseUp(std::string_view control) {
  if (control == kLabel2) {
    toolkit_.SetForeColor(kSummaryForm, kCmdWebLink, kRed);
  }
}

void SummaryForm::cmdIinterOutput_Click() {
  toolkit_.Show(kListingForm);
}

void SummaryForm::cmdReport_Click() {
  if (!SummaryShowsADesign(toolkit_, session_)) {
    toolkit_.ShowMessage(NoDesignToReport());
    return;
  }
  const FileWriteResult written =
      services_.writeReport(session_.summary, session_.record, session_.tempFolder);
  if (!written.written) {
    toolkit_.ShowMessage(Message{kCautionTitle, MessageIcon::Information, written.Message()});
    return;
  }
  if (services_.showReport) {
    if (const auto failure = services_.showReport(written.path)) {
      toolkit_.ShowMessage(Message{
          kCautionTitle, MessageIcon::Information,
          "The report was written to " + written.path + " but could not be shown.\r\n" + *failure});
    }
  }
}

void SummaryForm::cmdExit_Click() {
  if (session_.record.CalcType == CalcSelects) {
    toolkit_.ClearItems(kInputForm, input_controls::CoreList());
    toolkit_.SetEnabled(kInputForm, input_controls::CoreList(), false);
  } else {
    toolkit_.Choose(kInputForm, input_controls::CoreList(), 0);
  }
  toolkit_.Unload(kSummaryForm);
}

void SummaryForm::cmdWebLink_Click() {
  if (!services_.launchWebSite) {
    return;
  }
  if (const auto failure = services_.launchWebSite(session_.tempFolder)) {
    toolkit_.ShowMessage(*failure);
  }
}

}  // namespace pfc::ui
