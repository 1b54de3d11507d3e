#pragma once

#include "ui/toolkit/form_description.h"

namespace pfc::ui {

// frmCompareCores, "Compare Cores": every core with every stack count at the entered
// operating point, in a table and two charts, with the calculator's own choice highlighted.
FormDescription CompareCoresFormDesign();

// The kinds of the window's custom controls: the table of designs and the two charts. A
// toolkit without factories for them shows the window without them.
inline constexpr const char* kDesignTableKind = "DesignTable";
inline constexpr const char* kTotalLossChartKind = "TotalLossChart";
inline constexpr const char* kTotalTempChartKind = "TotalTempChart";

// The controls its logic and its widgets name.
namespace compare_cores_controls {
inline constexpr const char* kLblInputs = "lblInputs";  // the entries the designs are for
inline constexpr const char* kLblCount = "lblCount";
inline constexpr const char* kChkPassingOnly = "chkPassingOnly";
inline constexpr const char* kLblChoice = "lblChoice";
inline constexpr const char* kGrdDesigns = "grdDesigns";
inline constexpr const char* kChtTotalLoss = "chtTotalLoss";
inline constexpr const char* kChtTotalTemp = "chtTotalTemp";
inline constexpr const char* kCmdUseDesign = "cmdUseDesign";
inline constexpr const char* kCmdExportCsv = "cmdExportCsv";
inline constexpr const char* kCmdClose = "cmdClose";
}  // namespace compare_cores_controls

}  // namespace pfc::ui
