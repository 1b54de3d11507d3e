#pragma once

#include "ui/forms/design_session.h"
#include "ui/forms/explored_designs.h"
#include "ui/toolkit/form_logic.h"
#include "ui/toolkit/toolkit.h"

namespace pfc::ui {

// frmCompareCores, "Compare Cores": the pick and the filter go to the designs the window
// shows; "&Use this design" runs the picked one from the input form.
class CompareCoresForm final : public FormLogic {
 public:
  CompareCoresForm(Toolkit& toolkit, DesignSession& session, const DesktopServices& services)
      : toolkit_(toolkit), session_(session), services_(services) {}

  void Form_Load() override;
  void Click(std::string_view control) override;

 private:
  void Changed(ExploredDesigns::Change change);
  void ShowCounts();
  void ShowPickState();
  void chkPassingOnly_Click();
  void cmdUseDesign_Click();
  void cmdExportCsv_Click();

  Toolkit& toolkit_;
  DesignSession& session_;
  const DesktopServices& services_;
  ExploredDesigns::Subscription subscription_;
};

}  // namespace pfc::ui
