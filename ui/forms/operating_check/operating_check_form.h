#pragma once

#include "ui/forms/session/desktop_services.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/toolkit/form_description.h"
#include "ui/toolkit/form_logic.h"
#include "ui/toolkit/toolkit.h"

namespace pfc::ui {

class OperatingCheckForm final : public FormLogic {
 public:
  OperatingCheckForm(Toolkit& toolkit, DesktopSession& session, const DesktopServices& services)
      : toolkit_(toolkit), session_(session), services_(services) {}

  void Form_Load() override;
  void Click(std::string_view control) override;
  void Change(std::string_view control) override;
  // A limit's entry takes effect on Enter or when the focus leaves it.
  void LostFocus(std::string_view control) override;
  char32_t KeyPress(std::string_view control, char32_t key) override;

 private:
  void ShowCheck();
  void ChooseCheckedGrade();  // the list shows the grade of the check
  void ListOwnMaterials();    // after the grades, the materials added in the session
  void ShowVerdicts();
  void cboGrade_Click();
  void cmdExportCsv_Click();
  void cmdSavePdf_Click();
  void cmdExportModel_Click();

  Toolkit& toolkit_;
  DesktopSession& session_;
  const DesktopServices& services_;
  CheckedDesign::Subscription subscription_;
  bool typing_ = false;  // the user is typing a winding: the entries stay as typed
};

}  // namespace pfc::ui
