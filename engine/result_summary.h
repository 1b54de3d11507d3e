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

// Calls visit(controlName, text) for every text of the summary, the input group first, the
// unit label "totaltemp" last; works on a const or a mutable summary. Exports and checks go
// through this one list, so a text added to the summary is added here once.
template <typename Summary, typename Visitor>
void VisitSummaryTexts(Summary& s, Visitor&& visit) {
  visit("txtFrequency", s.txtFrequency);
  visit("txtInductance", s.txtInductance);
  visit("txtOutputPower", s.txtOutputPower);
  visit("txtEfficiency", s.txtEfficiency);
  visit("txtVinMin", s.txtVinMin);
  visit("txtVinMax", s.txtVinMax);
  visit("txtVout", s.txtVout);
  visit("txtAmbientTemp", s.txtAmbientTemp);
  visit("txtFillFactor", s.txtFillFactor);
  visit("txtcore", s.txtcore);
  visit("txtOutCoreSize", s.txtOutCoreSize);
  visit("txtStackout", s.txtStackout);
  visit("txtNoOfTurns", s.txtNoOfTurns);
  visit("txtWireGuage", s.txtWireGuage);
  visit("txtZeroInductance", s.txtZeroInductance);
  visit("txtFullInductance", s.txtFullInductance);
  visit("txtCoreLoss", s.txtCoreLoss);
  visit("txtCopperLoss", s.txtCopperLoss);
  visit("txtTotalLosses", s.txtTotalLosses);
  visit("txtTotalTemp", s.txtTotalTemp);
  visit("totaltemp", s.totaltemp);
}

}  // namespace pfc
