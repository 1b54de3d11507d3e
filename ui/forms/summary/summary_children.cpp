#include "ui/forms/summary/summary_children.h"

#include "ui/forms/session/form_names.h"

namespace pfc::ui {

void CloseDesignViews(Toolkit& toolkit, const DesktopServices& services) {
  toolkit.Unload(kListingForm);
  if (services.closeReport) {
    services.closeReport();
  }
}

void CloseSummaryChildren(Toolkit& toolkit, const DesktopServices& services) {
  CloseDesignViews(toolkit, services);
  toolkit.Unload(kCompareCoresForm);
  toolkit.Unload(kOperatingCheckForm);  // it checks the summary's design or one of Compare Cores
}

bool SummaryShowsADesign(Toolkit& toolkit, const DesktopSession& session) {
  // Publication always names the core.
  return toolkit.IsLoaded(kSummaryForm) && !session.summary.txtOutCoreSize.empty();
}

Message NoDesignToReport() {
  return Message{kCautionTitle, MessageIcon::Information,
                 "There is no design to report.\r\n\r\nEnter the design inputs and press "
                 "\"Show Results\" first."};
}

}  // namespace pfc::ui
