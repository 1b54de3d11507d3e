#pragma once

#include <functional>
#include <string>

#include "engine/check/material.h"
#include "ui/toolkit/toolkit.h"

namespace pfc::ui {

// The ways into windows that another window opens without knowing it (a window's folder
// includes no other's). RegisterStandardForms, which knows every window, fills them in.
struct WindowDoors {
  // "Find Designs" at the input form's operating point and the session's limits.
  std::function<void(Toolkit&)> findDesigns;
  // "Fit Material", whose "Use" hands the fitted material to `use`, with the file it was
  // saved to; saved first when the window `needsFile`.
  using MaterialUse = std::function<void(Toolkit&, const Material&, const std::string& file)>;
  std::function<void(Toolkit&, MaterialUse use, bool needsFile)> fitMaterial;
};

}  // namespace pfc::ui
