#pragma once

#include "ui/toolkit/form_description.h"

namespace pfc::ui {

// frmMaterialFit, "Fit Material": a material of the user's own fitted to the DC-bias curve of
// a supplier's datasheet, typed or pasted as points, shown against the fit, then saved as a
// material file or used at once by the window that opened it.
FormDescription MaterialFitFormDesign();

// The names its logic, its chart and the tests know its controls by.
namespace material_fit_controls {
inline constexpr const char* kPoints = "txtPoints";  // a line per point: field, percent
inline constexpr const char* kUnit = "cboUnit";      // the field's unit: Oe or A/m
inline constexpr const char* kPermeability = "txtPermeability";
inline constexpr const char* kName = "txtName";
inline constexpr const char* kFit = "cmdFit";
inline constexpr const char* kChart = "chtFit";
inline constexpr const char* kDeviations = "txtDeviations";  // the table of the fit's points
inline constexpr const char* kProblem = "lblProblem";        // why there is no fit
inline constexpr const char* kSave = "cmdSave";
inline constexpr const char* kUse = "cmdUse";
inline constexpr const char* kClose = "cmdClose";

// The unit list's items, in FieldUnit order.
inline constexpr int kOerstedItem = 0;
inline constexpr int kAmperesPerMetreItem = 1;

// The chart's custom kind; a toolkit without a factory for it leaves it out.
inline constexpr const char* kChartKind = "MaterialFitChart";
}  // namespace material_fit_controls

}  // namespace pfc::ui
