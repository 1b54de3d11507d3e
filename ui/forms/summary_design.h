#pragma once

#include "ui/toolkit/form_description.h"

namespace pfc::ui {

// frmResult, the result summary: the inputs echoed beside the design's headline outputs.
FormDescription SummaryFormDesign();

// The controls the summary's logic and the runs name.
namespace summary_controls {
// The echoed inputs.
inline constexpr const char* kTxtFrequency = "txtFrequency";
inline constexpr const char* kTxtInductance = "txtInductance";
inline constexpr const char* kTxtOutputPower = "txtOutputPower";
inline constexpr const char* kTxtEfficiency = "txtEfficiency";
inline constexpr const char* kTxtVinMin = "txtVinMin";
inline constexpr const char* kTxtVinMax = "txtVinMax";
inline constexpr const char* kTxtVout = "txtVout";
inline constexpr const char* kTxtAmbientTemp = "txtAmbientTemp";
inline constexpr const char* kTxtFillFactor = "txtFillFactor";
inline constexpr const char* kTxtCore = "txtcore";
// The outputs.
inline constexpr const char* kTxtOutCoreSize = "txtOutCoreSize";
inline constexpr const char* kTxtStackOut = "txtStackout";
inline constexpr const char* kTxtNoOfTurns = "txtNoOfTurns";
inline constexpr const char* kTxtWireGauge = "txtWireGuage";
inline constexpr const char* kTxtZeroInductance = "txtZeroInductance";
inline constexpr const char* kTxtFullInductance = "txtFullInductance";
inline constexpr const char* kTxtCoreLoss = "txtCoreLoss";
inline constexpr const char* kTxtCopperLoss = "txtCopperLoss";
inline constexpr const char* kTxtTotalLosses = "txtTotalLosses";
inline constexpr const char* kTxtTotalTemp = "txtTotalTemp";
inline constexpr const char* kTotalTempUnit = "totaltemp";
// The note the web link reacts to, the link and the buttons.
inline constexpr const char* kLabel2 = "Label2";
inline constexpr const char* kCmdWebLink = "cmdWebLink";
inline constexpr const char* kCmdIinterOutput = "cmdIinterOutput";  // "&Calculations"
inline constexpr const char* kCmdReport = "cmdReport";              // "&View Report"
inline constexpr const char* kCmdExit = "cmdExit";                  // "R&eset Design Inputs"
inline constexpr const char* kCmdCompareCores = "cmdCompareCores";
}  // namespace summary_controls

}  // namespace pfc::ui
