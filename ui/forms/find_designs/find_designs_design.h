#pragma once

#include "ui/forms/session/shared_controls.h"
#include "ui/toolkit/form_description.h"

namespace pfc::ui {

inline constexpr const char* kFindDesignsForm = "frmFindDesigns";

// frmFindDesigns, "Find Designs": the search for designs that meet the limits at the
// entered operating point, its progress, a loss-against-volume chart and a table of the
// designs found.
FormDescription FindDesignsFormDesign();

// The kinds of the window's custom controls. A toolkit without factories for them shows the
// window without them.
inline constexpr const char* kSearchProgressKind = "SearchProgress";
inline constexpr const char* kFoundDesignsChartKind = "FoundDesignsChart";
inline constexpr const char* kFoundDesignsTableKind = "FoundDesignsTable";

// The controls its logic and its widgets name.
namespace find_designs_controls {
inline constexpr const char* kLblInputs = "lblInputs";
// The limits' entries are the session's (ui/forms/session/limit_entries.h).
inline constexpr const char* kTxtGrades = "txtGrades";
inline constexpr const char* kTxtStacks = "txtStacks";
inline constexpr const char* kCmdMaterial = "cmdMaterial";
inline constexpr const char* kCmdFitMaterial = "cmdFitMaterial";
inline constexpr const char* kCmdSearch = "cmdSearch";
inline constexpr const char* kCmdCancel = "cmdCancel";
inline constexpr const char* kPrgSearch = "prgSearch";
inline constexpr const char* kLblStatus = "lblStatus";
inline constexpr const char* kChtFound = "chtFound";
inline constexpr const char* kGrdFound = "grdFound";
inline constexpr const char* kCmdOperatingCheck = "cmdOperatingCheck";
inline constexpr const char* kCmdSaveDesign = "cmdSaveDesign";
inline constexpr const char* kCmdExportCsv = "cmdExportCsv";
inline constexpr const char* kCmdExportModel = "cmdExportModel";
inline constexpr const char* kCmdClose = "cmdClose";
}  // namespace find_designs_controls

}  // namespace pfc::ui
