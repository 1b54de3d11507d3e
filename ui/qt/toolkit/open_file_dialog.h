#pragma once

#include <optional>
#include <string>

#include "ui/forms/session/desktop_services.h"

namespace pfc::ui {

// The open dialog over the program's active window: the request's file type first, every
// file second; a file in a kernel folder is refused and the dialog asks again.
std::optional<std::string> ChooseOpenFileWithDialog(const OpenFileRequest& request);

}  // namespace pfc::ui
