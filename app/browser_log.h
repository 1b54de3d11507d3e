#pragma once

namespace pfc::app {

// The environment variable that lets the report viewer's browser log to standard error.
inline constexpr const char* kDebugVariable = "PFC_DEBUG";

// Unless PFC_DEBUG is set: the embedded browser's log lines, from this process and the
// helper processes it starts, and Qt's debug, information and warning messages go nowhere,
// so that they never reach the terminal the designer was started from. Qt's critical and
// fatal messages (no display, say) still reach standard error. Call before the application
// object exists.
void QuietBrowserLog();

}  // namespace pfc::app
