#pragma once

namespace pfc::ui {

inline constexpr const char* kEnterForm = "frmEnter";
inline constexpr const char* kInputForm = "frmXls";
inline constexpr const char* kSummaryForm = "frmResult";
inline constexpr const char* kListingForm = "frmIntermediateOutput";
inline constexpr const char* kDirectionsForm = "frmDirections";
inline constexpr const char* kCompareCoresForm = "frmCompareCores";

}  // namespace pfc::ui
