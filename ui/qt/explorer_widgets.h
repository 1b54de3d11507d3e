#pragma once

#include <optional>
#include <string>

#include "ui/forms/design_session.h"
#include "ui/qt/qt_toolkit.h"

namespace pfc::ui {

// Teaches the toolkit to build the "Compare Cores" window's table and charts on the
// session's explored designs. The session must outlive the toolkit.
void AddExplorerWidgets(QtToolkit& toolkit, DesignSession& session);

// The desktop's save dialog for a request; nothing when the user cancels.
std::optional<std::string> ChooseSaveFileWithDialog(const SaveFileRequest& request);

}  // namespace pfc::ui
