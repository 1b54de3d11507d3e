#include "reports/summary_texts.h"

#include "engine/number_text.h"
#include "engine/publication.h"

namespace pfc {

void EchoInputs(const DesignRecord& record, ResultSummary& summary, char decimalSeparator) {
  summary.txtFrequency = FormatPlaces(record.Frequency, 2, decimalSeparator);
  // Henries in full: 150 µH must read 0.00015, which two places would turn into 0.
  summary.txtInductance = FormatGeneral(record.Inductance, decimalSeparator);
  summary.txtOutputPower = FormatPlaces(record.OutputPower, 2, decimalSeparator);
  summary.txtEfficiency = FormatPlaces(record.Efficiency * 100, 2, decimalSeparator);
  summary.txtVinMin = FormatPlaces(record.VinMin, 2, decimalSeparator);
  summary.txtVinMax = FormatPlaces(record.VinMax, 2, decimalSeparator);
  summary.txtVout = FormatPlaces(record.Vout, 2, decimalSeparator);
  summary.txtAmbientTemp = FormatPlaces(record.AmbientTemp, 2, decimalSeparator);
}

ResultSummary PublishedSummary(const DesignRecord& r, char sep) {
  ResultSummary summary;
  EchoInputs(r, summary, sep);
  // The input side names the core the designer picked, so that the summary and the report
  // say what was asked as well as what came out.
  summary.txtcore = r.CalcType == CalcSelects ? "Calculated" : r.SelectedCoreSize;
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
  if (TotalTemperatureTooHigh(r)) {
    summary.txtTotalTemp = " > 155°C";
    summary.totaltemp.clear();
    summary.txtTotalTempStyle = TotalTempStyle::BoldRed;
  } else {
    summary.txtTotalTemp = FormatPlaces(r.AmbientTemp + r.TempRise, 0, sep);
  }
  return summary;
}

}  // namespace pfc
