#pragma once

#include <optional>
#include <string>

#include "ui/forms/desktop_services.h"

namespace pfc::ui {

// The desktop's save dialog for a request; nothing when the user cancels.
std::optional<std::string> ChooseSaveFileWithDialog(const SaveFileRequest& request);

}  // namespace pfc::ui
