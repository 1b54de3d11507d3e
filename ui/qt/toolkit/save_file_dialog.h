#pragma once

#include <optional>
#include <string>

#include "ui/forms/session/desktop_services.h"

namespace pfc::ui {

// The desktop's save dialog for a request; nothing when the user cancels.
std::optional<std::string> ChooseSaveFileWithDialog(const SaveFileRequest& request);

// The desktop's save dialog offering several file types; nothing when the user cancels.
std::optional<ChosenFile> ChooseTypedSaveFileWithDialog(const SaveTypedFileRequest& request);

}  // namespace pfc::ui
