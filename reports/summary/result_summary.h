#pragma once

#include <array>
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
  std::string txtcore;        // the picked core, or "Calculated"; written at publication

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

  friend bool operator==(const ResultSummary&, const ResultSummary&) = default;
};

enum class SummaryGroup { Inputs, Outputs };

// One text of the summary: the control that shows it, with the caption left of it and the
// unit right of it as the window and the command line show them. The stack marker, drawn
// beside the core size, and the total temperature's unit label have no caption of their own.
struct SummaryText {
  const char* control;
  std::string ResultSummary::*text;
  SummaryGroup group;
  const char* caption;
  const char* unit;
};

// Every text of the summary, the input group first, in window order, the unit label
// "totaltemp" last. Exports, checks and the window go through this one list, so a text added
// to the summary is added here once.
inline constexpr std::array<SummaryText, 21> kSummaryTexts{{
    {"txtFrequency", &ResultSummary::txtFrequency, SummaryGroup::Inputs, "Frequency", "Hz"},
    {"txtInductance", &ResultSummary::txtInductance, SummaryGroup::Inputs, "Inductance", "Henries"},
    {"txtOutputPower", &ResultSummary::txtOutputPower, SummaryGroup::Inputs, "Output Power",
     "Watts"},
    {"txtEfficiency", &ResultSummary::txtEfficiency, SummaryGroup::Inputs, "Efficiency", "%"},
    {"txtVinMin", &ResultSummary::txtVinMin, SummaryGroup::Inputs, "Vin Min", "Volts"},
    {"txtVinMax", &ResultSummary::txtVinMax, SummaryGroup::Inputs, "Vin Max", "Volts"},
    {"txtVout", &ResultSummary::txtVout, SummaryGroup::Inputs, "Vout", "Volts"},
    {"txtAmbientTemp", &ResultSummary::txtAmbientTemp, SummaryGroup::Inputs, "Ambient Temperature",
     "°C"},
    {"txtFillFactor", &ResultSummary::txtFillFactor, SummaryGroup::Inputs, "Fill Factor", ""},
    {"txtcore", &ResultSummary::txtcore, SummaryGroup::Inputs, "Core Size", ""},
    {"txtOutCoreSize", &ResultSummary::txtOutCoreSize, SummaryGroup::Outputs, "Core Size", ""},
    {"txtStackout", &ResultSummary::txtStackout, SummaryGroup::Outputs, "", ""},
    {"txtNoOfTurns", &ResultSummary::txtNoOfTurns, SummaryGroup::Outputs, "No. of Turns", ""},
    {"txtWireGuage", &ResultSummary::txtWireGuage, SummaryGroup::Outputs, "Wire Gauge", "AWG"},
    {"txtZeroInductance", &ResultSummary::txtZeroInductance, SummaryGroup::Outputs,
     "Zero Bias Inductance", "µH"},
    {"txtFullInductance", &ResultSummary::txtFullInductance, SummaryGroup::Outputs,
     "Full Bias Inductance", "µH"},
    {"txtCoreLoss", &ResultSummary::txtCoreLoss, SummaryGroup::Outputs, "Core Loss", "Watts"},
    {"txtCopperLoss", &ResultSummary::txtCopperLoss, SummaryGroup::Outputs, "Copper Loss", "Watts"},
    {"txtTotalLosses", &ResultSummary::txtTotalLosses, SummaryGroup::Outputs, "Total Losses",
     "Watts"},
    {"txtTotalTemp", &ResultSummary::txtTotalTemp, SummaryGroup::Outputs, "Total Temperature ",
     "°C"},
    {"totaltemp", &ResultSummary::totaltemp, SummaryGroup::Outputs, "", ""},
}};

// Calls visit(controlName, text) for every text of kSummaryTexts; works on a const or a
// mutable summary.
template <typename Summary, typename Visitor>
void VisitSummaryTexts(Summary& s, Visitor&& visit) {
  for (const SummaryText& text : kSummaryTexts)
    visit(text.control, s.*text.text);
}

}  // namespace pfc
