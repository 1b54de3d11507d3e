#pragma once

#include <string>

#include "engine/method/contact_block.h"
#include "engine/record/design_record.h"
#include "reports/summary/report_document.h"
#include "reports/summary/result_summary.h"

namespace pfc::test {

// The disclaimer's contact: the applications group's number in the USA and the support
// address, from the maker's shared contact data.
inline ReportContact MakersContact() {
  return ReportContact{std::string(kPhoneUsa), std::string(kSupportEmail)};
}

// The default design: the calculator selected row 26 (TD-26), one core. The summary is the
// one the record's numbers give.
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
  s.txtcore = "Calculated";
  s.txtOutCoreSize = "TD-26";
  s.txtNoOfTurns = "31";
  s.txtWireGuage = "12";
  s.txtZeroInductance = "215";
  s.txtFullInductance = "150";
  s.txtCoreLoss = "3.56";
  s.txtCopperLoss = "4.06";
  s.txtTotalLosses = "7.62";
  s.txtTotalTemp = "120";
  r.Frequency = 100000;
  r.Inductance = 150 / 1000000.0;  // entered as 150 µH
  r.OutputPower = 1500;
  r.Efficiency = 95 / 100.0;
  r.VinMin = 85;
  r.VinMax = 264;
  r.Vout = 380;
  r.AmbientTemp = 50;
  r.FillFactorLimit = 0.4;
  r.Turns = 31;
  r.WireGauge = 12;
  r.ZeroBiasL = 215.264;
  r.CoreLoss = 3.5596;
  r.CopperLoss = 4.0563;
  r.TotalLoss = 7.6159;
  r.TempRise = 69.976;
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
  s.txtcore = "TD-09";
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
  s.txtTotalTempStyle = TotalTempStyle::BoldRed;
  r.Frequency = 65000;
  r.Inductance = 0.00047;
  r.OutputPower = 300;
  r.Efficiency = 0.935;
  r.VinMin = 90;
  r.VinMax = 265;
  r.Vout = 385;
  r.AmbientTemp = 40;
  r.FillFactorLimit = 0.4;
  r.Turns = 66;
  r.WireGauge = 18;
  r.ZeroBiasL = 427.2;
  r.CoreLoss = 2.8311;
  r.CopperLoss = 1.6004;
  r.TotalLoss = 4.4315;
  r.TempRise = 117.5;
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
