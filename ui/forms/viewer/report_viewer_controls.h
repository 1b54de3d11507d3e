#pragma once

// The report viewer's window (frmHtmlReport, built in ui/qt) names its controls with these;
// its tests find them by the same names.
namespace pfc::ui::report_viewer_controls {

inline constexpr const char* kWb = "wb";  // the embedded browser
inline constexpr const char* kCmdSave = "cmdSave";
inline constexpr const char* kCmdOpen = "cmdOpen";
inline constexpr const char* kCmdPrint = "cmdPrint";
inline constexpr const char* kCmdExit = "cmdExit";  // "&Reset Design"
inline constexpr const char* kCmdBack = "cmdBack";
inline constexpr const char* kCmdPdf = "cmdPdf";

}  // namespace pfc::ui::report_viewer_controls
