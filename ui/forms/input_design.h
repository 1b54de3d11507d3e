#pragma once

#include "ui/toolkit/form_description.h"

namespace pfc::ui {

// frmXls, the design inputs: the entries with their units, the calculator type, the core
// list and the buttons.
FormDescription InputFormDesign();

// The controls the input form's logic, the runs and the other windows name.
namespace input_controls {
inline constexpr const char* kTxtFrequency = "txtFrequency";
inline constexpr const char* kCmbFrequency = "cmbfrequency";
inline constexpr const char* kTxtInductance = "txtInductance";
inline constexpr const char* kCmbInductance = "cmbinductance";
inline constexpr const char* kTxtOutputPower = "txtOutputPower";
inline constexpr const char* kCmbOutputPower = "cmboutputpower";
inline constexpr const char* kTxtEfficiency = "txtEfficiency";
inline constexpr const char* kTxtVinMin = "txtVinMin";
inline constexpr const char* kTxtVinMax = "txtVinMax";
inline constexpr const char* kTxtVout = "txtVout";
inline constexpr const char* kTxtAmbientTemp = "txtAmbientTemp";
inline constexpr const char* kTxtStack = "txtStack";
inline constexpr const char* kTxtFillFactor = "txtFill_Factor";
inline constexpr const char* kChkCalcCore = "chkCalcCore";
inline constexpr const char* kChkPickCore = "chkPickCore";
inline constexpr const char* kTxtCoreSize = "txtCoreSize";  // the core list
inline constexpr const char* kCmdProcess = "cmdProcess";    // "&Show Results"
inline constexpr const char* kCmdQuit = "cmdQuit";          // "Clear &Results"
inline constexpr const char* kCmdExit = "cmdExit";          // "&Cancel"
inline constexpr const char* kCmdHelp = "cmdHelp";
inline constexpr const char* kCmdCompareCores = "cmdCompareCores";
}  // namespace input_controls

}  // namespace pfc::ui
