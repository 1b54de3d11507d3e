#pragma once

#include "ui/forms/session/desktop_services.h"
#include "ui/forms/session/material_fitting.h"
#include "ui/toolkit/form_logic.h"
#include "ui/toolkit/toolkit.h"

namespace pfc::ui {

// frmMaterialFit: fits the points the user typed or pasted, shows the fit and its
// deviations, saves the material file and hands the material to the window that opened it.
class MaterialFitForm final : public FormLogic {
 public:
  MaterialFitForm(Toolkit& toolkit, MaterialFitting& fitting, const DesktopServices& services)
      : toolkit_(toolkit), fitting_(fitting), services_(services) {}

  void Form_Load() override;
  void Form_Unload() override;
  void Click(std::string_view control) override;

 private:
  void cmdFit_Click();
  void cmdSave_Click();
  void cmdUse_Click();
  bool Save();
  void ShowFit();
  void Refuse(const char* control, const std::string& problem);

  Toolkit& toolkit_;
  MaterialFitting& fitting_;
  const DesktopServices& services_;
};

// Shows "Fit Material" for the window that opens it, which `use` hands the material to.
void OpenMaterialFit(Toolkit& toolkit, MaterialFitting& fitting, MaterialFitting::Use use,
                     bool needsFile);

}  // namespace pfc::ui
