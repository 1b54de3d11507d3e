#pragma once

#include <string>

#include "engine/contact_block.h"
#include "engine/design_record.h"
#include "engine/result_summary.h"
#include "reports/report_document.h"

namespace pfc::test {

// The disclaimer's contact: the applications group's number in the USA and the support
// address, from the maker's shared contact data.
inline ReportContact MakersContact() {
  return ReportContact{std::string(kPhoneUsa), std::string(kSupportEmail)};
}

// The default design: the calculator selected row 26 (TD-26), one core.
inline void DefaultDesign(ResultSummary& s, DesignRecord& r) {
  s.txtFrequency = "100000";
  s.txtInductance = "0.00015";
  s.txtOutputPower = "1500";
  s.txtEfficiency = "95";
  s.txtVinMin = "85";
  s.txtVinMax = "264";
  s.txtVout = "380";
  s.txtAmbientTemp = "50";
  s.txtFillFactor = "0.4";
  s.txtOutCoreSize = "TD-26";
  s.txtNoOfTurns = "31";
  s.txtWireGuage = "12";
  s.txtZeroInductance = "215";
  s.txtFullInductance = "150";
  s.txtCoreLoss = "3.56";
  s.txtCopperLoss = "4.06";
  s.txtTotalLosses = "7.62";
  s.txtTotalTemp = "120";
  r.CalcType = CalcSelects;
  r.CoresToStack = 1;
  r.SelectedCoreSize = "TD-26";
  r.CoreIndex = 26;
  // As loading row 26 leaves them: mm to cm, stack values times one.
  r.CoreOD = 46.73 / 10;
  r.CoreID = 21.69 / 10;
  r.CoreHT = 20.57 / 10 * 1;
  r.CoreArea = 1 * 1.880;
  r.WindowArea = 3.69;
  r.PathLength = 10.550;
  r.AlValue = 1 * 224;
  r.CoreMass = 1 * 142.300;
  r.AreaProduct = 1 * 6.94;
}

// The designer picked TD-09 and stacked two; the total temperature is over the limit.
inline void TwoStackedDesignerPicks(ResultSummary& s, DesignRecord& r) {
  s.txtFrequency = "65000";
  s.txtInductance = "0.00047";
  s.txtOutputPower = "300";
  s.txtEfficiency = "93.5";
  s.txtVinMin = "90";
  s.txtVinMax = "265";
  s.txtVout = "385";
  s.txtAmbientTemp = "40";
  s.txtFillFactor = "0.4";
  s.txtOutCoreSize = "TD-09";
  s.txtStackout = "* 2";
  s.txtNoOfTurns = "66";
  s.txtWireGuage = "18";
  s.txtZeroInductance = "427";
  s.txtFullInductance = "470";
  s.txtCoreLoss = "2.83";
  s.txtCopperLoss = "1.6";
  s.txtTotalLosses = "4.43";
  s.txtTotalTemp = " > 155°C";
  s.totaltemp = "";
  r.CalcType = DesignerPicks;
  r.CoresToStack = 2;
  r.SelectedCoreSize = "TD-09";
  r.CoreIndex = 9;
  r.CoreOD = 23.49 / 10;
  r.CoreID = 13.46 / 10;
  r.CoreHT = 7.87 / 10 * 2;
  r.CoreArea = 2 * 0.222;
  r.WindowArea = 1.42;
  r.PathLength = 5.658;
  r.AlValue = 2 * 49;
  r.CoreMass = 2 * 9.186;
  r.AreaProduct = 2 * 0.32;
}

}  // namespace pfc::test
