#include "reports/summary/summary_texts.h"

#include "engine/method/core_selection.h"
#include "engine/method/publication.h"
#include "engine/record/number_text.h"

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

ResultSummary PublishedSummary(const DesignRecord& record, char decimalSeparator) {
  ResultSummary summary;
  EchoInputs(record, summary, decimalSeparator);
  // The input side names the core the designer picked, so that the summary and the report
  // say what was asked as well as what came out.
  summary.txtcore = record.CalcType == CalcSelects ? "Calculated" : record.SelectedCoreSize;
  summary.txtOutCoreSize = record.SelectedCoreSize;
  summary.txtStackout =
      record.CoresToStack == 1 ? "" : "* " + FormatGeneral(record.CoresToStack, decimalSeparator);
  summary.txtNoOfTurns = FormatGeneral(record.Turns, decimalSeparator);
  summary.txtWireGuage = FormatGeneral(record.WireGauge, decimalSeparator);
  summary.txtFillFactor = FormatGeneral(record.FillFactorLimit, decimalSeparator);
  summary.txtZeroInductance = FormatPlaces(record.ZeroBiasL, 0, decimalSeparator);
  summary.txtFullInductance = FormatGeneral(record.Inductance * 1000000, decimalSeparator);  // µH
  summary.txtCoreLoss = FormatPlaces(record.CoreLoss, 2, decimalSeparator);
  summary.txtCopperLoss = FormatPlaces(record.CopperLoss, 2, decimalSeparator);
  summary.txtTotalLosses = FormatPlaces(record.TotalLoss, 2, decimalSeparator);
  if (TotalTemperatureTooHigh(record)) {
    summary.txtTotalTemp = " > " + FormatGeneral(kTemperatureCeiling) + "°C";
    summary.totaltemp.clear();
    summary.txtTotalTempStyle = TotalTempStyle::BoldRed;
  } else {
    summary.txtTotalTemp = FormatPlaces(record.AmbientTemp + record.TempRise, 0, decimalSeparator);
  }
  return summary;
}

}  // namespace pfc
