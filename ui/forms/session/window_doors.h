#pragma once

#include <functional>

#include "ui/toolkit/toolkit.h"

namespace pfc::ui {

// The ways into windows that another window opens without knowing it (a window's folder
// includes no other's). RegisterStandardForms, which knows every window, fills them in.
struct WindowDoors {
  // "Find Designs" at the input form's operating point and the session's limits.
  std::function<void(Toolkit&)> findDesigns;
};

}  // namespace pfc::ui
