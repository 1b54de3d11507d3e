#pragma once

#include "ui/forms/session/compare_cores_designs.h"
#include "ui/forms/session/desktop_services.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/toolkit/form_logic.h"
#include "ui/toolkit/toolkit.h"

namespace pfc::ui {

// frmCompareCores, "Compare Cores": the pick and the filter go to the designs the window
// shows; "&Use this design" runs the picked one from the input form.
class CompareCoresForm final : public FormLogic {
 public:
  CompareCoresForm(Toolkit& toolkit, DesktopSession& session, const DesktopServices& services)
      : toolkit_(toolkit), session_(session), services_(services) {}

  void Form_Load() override;
  void Form_Activate() override;
  void Click(std::string_view control) override;

 private:
  void Changed(CompareCoresDesigns::Change change);
  void ShowCounts();
  void ShowPickState();
  void chkPassingOnly_Click();
  void cmdUseDesign_Click();
  void cmdExportCsv_Click();

  Toolkit& toolkit_;
  DesktopSession& session_;
  const DesktopServices& services_;
  CompareCoresDesigns::Subscription subscription_;
  SessionLimits::Subscription limitsSubscription_;
};

}  // namespace pfc::ui
