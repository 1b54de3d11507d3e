#include "engine/publication.h"

#include "engine/core_selection.h"
#include "engine/engine_messages.h"
#include "engine/number_text.h"

namespace pfc {

PublishEnding PublishResults(const DesignRecord& r, ResultSummary& summary,
                             std::vector<Message>& messages, char sep) {
  if (r.HMax > kFieldStrengthLimit) {
    messages.push_back(FieldStrengthMessage(r.CalcType, r.HMax, sep));
    return PublishEnding::FieldStrength;
  }
  summary.txtOutCoreSize = r.SelectedCoreSize;
  summary.txtStackout = r.CoresToStack == 1 ? "" : "* " + FormatGeneral(r.CoresToStack, sep);
  summary.txtNoOfTurns = FormatGeneral(r.Turns, sep);
  summary.txtWireGuage = FormatGeneral(r.WireGauge, sep);
  summary.txtFillFactor = FormatGeneral(r.FillFactorLimit, sep);
  summary.txtZeroInductance = FormatPlaces(r.ZeroBiasL, 0, sep);
  summary.txtFullInductance = FormatGeneral(r.Inductance * 1000000, sep);  // µH
  summary.txtCoreLoss = FormatPlaces(r.CoreLoss, 2, sep);
  summary.txtCopperLoss = FormatPlaces(r.CopperLoss, 2, sep);
  summary.txtTotalLosses = FormatPlaces(r.TotalLoss, 2, sep);

  const double totalTemp = r.AmbientTemp + r.TempRise;
  // Written so that a temperature that is not a number is never shown as safe.
  if (!(totalTemp < kTemperatureCeiling)) {
    messages.push_back(TotalTemperatureMessage());
    summary.txtTotalTemp = " > 155°C";
    summary.totaltemp.clear();
    summary.txtTotalTempStyle = TotalTempStyle::BoldRed;
  } else {
    summary.txtTotalTemp = FormatPlaces(totalTemp, 0, sep);
    summary.totaltemp = "°C";
    summary.txtTotalTempStyle = TotalTempStyle::NormalBlack;
  }
  return PublishEnding::Published;
}

}  // namespace pfc
