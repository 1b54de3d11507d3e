#include "ui/forms/viewer/viewer_flows.h"

#include "ui/forms/session/form_names.h"
#include "ui/forms/session/shared_controls.h"

namespace pfc {

void ResetDesignFromViewer(ui::Toolkit& toolkit, const DesignRecord& record) {
  const std::string_view coreList = ui::input_controls::CoreList();
  if (record.CalcType == CalcSelects) {
    toolkit.ClearItems(ui::kInputForm, coreList);
  } else {
    toolkit.Choose(ui::kInputForm, coreList, 0);
  }
  toolkit.Show(ui::kInputForm);
  toolkit.Unload(ui::kSummaryForm);
}

void ReturnToSummary(ui::Toolkit& toolkit) {
  toolkit.Show(ui::kSummaryForm);
}

}  // namespace pfc
