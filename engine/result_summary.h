#pragma once

#include <string>

namespace pfc {

enum class TotalTempStyle { NormalBlack, BoldRed };

// The texts of the result summary window, keyed by the names of its controls. The window
// shows them and the HTML report copies them verbatim, so both read this one record.
struct ResultSummary {
  // Input group ("Input Values"), echoed from the design record.
  std::string txtFrequency;
  std::string txtInductance;
  std::string txtOutputPower;
  std::string txtEfficiency;
  std::string txtVinMin;
  std::string txtVinMax;
  std::string txtVout;
  std::string txtAmbientTemp;
  std::string txtFillFactor;  // written at publication
  std::string txtcore;        // never written by any operation

  // Output group ("Summary Output"), written at publication.
  std::string txtOutCoreSize;
  std::string txtStackout;
  std::string txtNoOfTurns;
  std::string txtWireGuage;
  std::string txtZeroInductance;
  std::string txtFullInductance;
  std::string txtCoreLoss;
  std::string txtCopperLoss;
  std::string txtTotalLosses;
  std::string txtTotalTemp;

  std::string totaltemp = "°C";  // unit label beside txtTotalTemp; blanked above 155 °C
  TotalTempStyle txtTotalTempStyle = TotalTempStyle::NormalBlack;
};

}  // namespace pfc
