#include "reports/summary_texts.h"

#include "engine/number_text.h"

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

}  // namespace pfc
