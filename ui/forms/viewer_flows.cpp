#include "ui/forms/viewer_flows.h"

namespace pfc {

void ResetDesignFromViewer(ui::Toolkit& toolkit, const DesignRecord& record) {
  if (record.CalcType == CalcSelects) {
    toolkit.ClearItems("frmXls", "txtCoreSize");
  } else {
    toolkit.Choose("frmXls", "txtCoreSize", 0);
  }
  toolkit.Show("frmXls");
  toolkit.Unload("frmResult");
}

void ReturnToSummary(ui::Toolkit& toolkit) {
  toolkit.Show("frmResult");
}

}  // namespace pfc
