#pragma once

#include <string>

#include "ui/forms/session/shared_controls.h"
#include "ui/toolkit/form_description.h"

namespace pfc::ui {

// frmOperatingCheck, "Operating Check": what the wound inductor of one published design does
// over the line cycle at both line voltages, beside the method's own figures, with verdicts,
// two charts, and the per-angle rows and the window itself to save.
FormDescription OperatingCheckFormDesign();

// The names the window's controls are known by, shared by the window's design, its logic, its
// Qt widgets and the tests. The button that opens it is in session/shared_controls.h.
namespace check_controls {

inline constexpr const char* kDesign = "lblDesign";  // which design, from where
inline constexpr const char* kGradeCaption = "lblGrade";
inline constexpr const char* kGrade = "cboGrade";            // the roll-off grade
inline constexpr const char* kAssumption = "lblAssumption";  // what the grade means
inline constexpr const char* kMethodHeading = "lblMethodHeading";
inline constexpr const char* kLowHeading = "lblLowHeading";
inline constexpr const char* kHighHeading = "lblHighHeading";
inline constexpr const char* kWorstCase = "lblWorstCase";  // under the table, with a tolerance
inline constexpr const char* kVerdictHeading = "lblVerdictHeading";
// After the verdicts: the limits a design misses, and the search for designs that meet them.
inline constexpr const char* kNextStep = "lblNextStep";
inline constexpr const char* kFindDesigns = "cmdFindDesigns";
inline constexpr const char* kInductanceChart = "chtInductance";
inline constexpr const char* kLineCurrentChart = "chtLineCurrent";
inline constexpr const char* kExportCsv = "cmdExportCsv";
inline constexpr const char* kSavePdf = "cmdSavePdf";
inline constexpr const char* kExportModel = "cmdExportModel";  // for circuit simulators
inline constexpr const char* kBuildSheet = "cmdBuildSheet";    // shown in the report viewer
inline constexpr const char* kClose = "cmdClose";
// The winding checked: the published one, or the turns and wire the user enters.
inline constexpr const char* kTurnsCaption = "lblTurns";
inline constexpr const char* kTurns = "txtTurns";
inline constexpr const char* kWireCaption = "lblWire";
inline constexpr const char* kWire = "txtWire";
inline constexpr const char* kStrandsCaption = "lblStrands";
inline constexpr const char* kStrands = "txtStrands";
inline constexpr const char* kPublishedWinding = "cmdPublishedWinding";
inline constexpr const char* kWindingProblem = "lblWindingProblem";  // why a winding is refused
inline constexpr const char* kMaterial = "cmdMaterial";        // adds a material file to the list
inline constexpr const char* kFitMaterial = "cmdFitMaterial";  // adds one fitted to points

// The custom kinds of the two charts; a toolkit without factories for them leaves them out.
inline constexpr const char* kInductanceChartKind = "CheckInductanceChart";
inline constexpr const char* kLineCurrentChartKind = "CheckLineCurrentChart";

// The labels of one row of figures and of one verdict line.
enum class FigureColumn { Caption, Method, Low, High };
inline std::string FigureControl(int row, FigureColumn column) {
  static constexpr const char* kSuffix[] = {"Caption", "Method", "Low", "High"};
  return "lblFigure" + std::to_string(row) + kSuffix[static_cast<int>(column)];
}
inline std::string VerdictControl(int verdict) {
  return "lblVerdict" + std::to_string(verdict);
}

}  // namespace check_controls

}  // namespace pfc::ui
