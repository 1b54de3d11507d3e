#pragma once

#include "ui/forms/design_session.h"
#include "ui/toolkit/form_description.h"
#include "ui/toolkit/form_logic.h"
#include "ui/toolkit/toolkit.h"

namespace pfc::ui {

// frmOperatingCheck, "Operating Check": what the wound inductor of one published design does
// over the line cycle at both line voltages, beside the method's own figures, with verdicts,
// two charts, and the per-angle rows and the window itself to save.
FormDescription OperatingCheckFormDesign();

class OperatingCheckForm final : public FormLogic {
 public:
  OperatingCheckForm(Toolkit& toolkit, DesignSession& session, const DesktopServices& services)
      : toolkit_(toolkit), session_(session), services_(services) {}

  void Form_Load() override;
  void Click(std::string_view control) override;

 private:
  void ShowCheck();
  void ChooseCheckedGrade();  // the list shows the grade of the check
  void cboGrade_Click();
  void cmdExportCsv_Click();
  void cmdSavePdf_Click();

  Toolkit& toolkit_;
  DesignSession& session_;
  const DesktopServices& services_;
  CheckedDesign::Subscription subscription_;
};

}  // namespace pfc::ui
