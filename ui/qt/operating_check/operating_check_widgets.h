#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ui/forms/session/desktop_session.h"
#include "ui/qt/toolkit/qt_toolkit.h"

namespace pfc::ui {

// Teaches the toolkit to build the "Operating Check" window's two charts on the session's
// checked design. The session must outlive the toolkit.
void AddOperatingCheckWidgets(QtToolkit& toolkit, DesktopSession& session);

// A loaded window's contents without its buttons, drawn into a PDF document on an A4
// landscape page: labels, lists and charts as vector drawing with real text. Nothing when
// the window is not loaded.
std::optional<std::string> DrawFormAsPdf(QtToolkit& toolkit, std::string_view form);

}  // namespace pfc::ui
