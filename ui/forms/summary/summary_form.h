#pragma once

#include "ui/forms/session/desktop_services.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/toolkit/form_logic.h"
#include "ui/toolkit/toolkit.h"

namespace pfc::ui {

// frmResult, the result summary: echoes the inputs on load and on every activation, opens
// the listing and the report, leads back to the input form, and carries the web link.
class SummaryForm final : public FormLogic {
 public:
  SummaryForm(Toolkit& toolkit, DesktopSession& session, const DesktopServices& services)
      : toolkit_(toolkit), session_(session), services_(services) {}

  void Form_Load() override;
  void Form_Activate() override;
  void Form_Unload() override;
  void Click(std::string_view control) override;
  void MouseDown(std::string_view control) override;
  void MouseUp(std::string_view control) override;

 private:
  void EchoInputs();
  void cmdIinterOutput_Click();
  void cmdReport_Click();
  void cmdExit_Click();
  void cmdWebLink_Click();

  Toolkit& toolkit_;
  DesktopSession& session_;
  const DesktopServices& services_;
  SessionLimits::Subscription limitsSubscription_;   // the check's line follows the limits
  CheckedDesign::Subscription checkedSubscription_;  // the part's note follows the part
};

}  // namespace pfc::ui
