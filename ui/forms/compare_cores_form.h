#pragma once

#include "ui/forms/design_session.h"
#include "ui/forms/explored_designs.h"
#include "ui/toolkit/form_description.h"
#include "ui/toolkit/form_logic.h"
#include "ui/toolkit/toolkit.h"

namespace pfc::ui {

// The kinds of the window's custom controls: the table of designs and the two charts. A
// toolkit without factories for them shows the window without them.
inline constexpr const char* kDesignTableKind = "DesignTable";
inline constexpr const char* kTotalLossChartKind = "TotalLossChart";
inline constexpr const char* kTotalTempChartKind = "TotalTempChart";

// frmCompareCores, "Compare Cores": every core with every stack count at the entered
// operating point, in a table and two charts, with the calculator's own choice highlighted.
FormDescription CompareCoresFormDesign();

class CompareCoresForm final : public FormLogic {
 public:
  CompareCoresForm(Toolkit& toolkit, DesignSession& session, const DesktopServices& services)
      : toolkit_(toolkit), session_(session), services_(services) {}

  void Form_Load() override;
  void Form_Activate() override;
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
