#pragma once

namespace pfc::ui {

inline constexpr const char* kEnterForm = "frmEnter";
inline constexpr const char* kInputForm = "frmXls";
inline constexpr const char* kSummaryForm = "frmResult";
inline constexpr const char* kListingForm = "frmIntermediateOutput";
inline constexpr const char* kDirectionsForm = "frmDirections";
inline constexpr const char* kCompareCoresForm = "frmCompareCores";
inline constexpr const char* kOperatingCheckForm = "frmOperatingCheck";
inline constexpr const char* kMaterialFitForm = "frmMaterialFit";
// The report viewer's window, outside the registry: a widget of the viewer module.
inline constexpr const char* kReportViewerForm = "frmHtmlReport";

}  // namespace pfc::ui
