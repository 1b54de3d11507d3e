#pragma once

#include "ui/forms/find_designs/found_designs.h"
#include "ui/forms/session/desktop_services.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/toolkit/form_logic.h"
#include "ui/toolkit/toolkit.h"

namespace pfc::ui {

// frmFindDesigns, "Find Designs": starts the search when it loads and again on "&Search",
// says how far it got and what it found, and acts on the picked design.
class FindDesignsForm final : public FormLogic {
 public:
  FindDesignsForm(Toolkit& toolkit, DesktopSession& session, const DesktopServices& services)
      : toolkit_(toolkit), session_(session), services_(services) {}

  void Form_Load() override;
  void Form_Unload() override;
  void Click(std::string_view control) override;
  // A limit's entry takes effect on Enter or when the focus leaves it.
  void LostFocus(std::string_view control) override;
  char32_t KeyPress(std::string_view control, char32_t key) override;

 private:
  void Changed(FoundDesigns::Change change);
  void LimitsChanged();
  void ShowStatus();
  void ShowPickState();
  void cmdSearch_Click();
  void cmdMaterial_Click();
  void cmdSaveDesign_Click();
  void cmdExportCsv_Click();

  Toolkit& toolkit_;
  DesktopSession& session_;
  const DesktopServices& services_;
  FoundDesigns::Subscription subscription_;
  SessionLimits::Subscription limitsSubscription_;
};

}  // namespace pfc::ui
