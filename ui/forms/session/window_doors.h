#pragma once

#include <functional>
#include <string>
#include <utility>

#include "engine/check/material.h"
#include "engine/search/explorer.h"
#include "ui/toolkit/toolkit.h"

namespace pfc::ui {

// The ways into windows that another window opens or moves without knowing it (a window's
// folder includes no other's). RegisterStandardForms, which knows every window, fills them in.
struct WindowDoors {
  // "Find Designs" at the input form's operating point and the session's limits.
  std::function<void(Toolkit&)> findDesigns;
  // "Compare Cores" at the input form's entries.
  std::function<void(Toolkit&)> compareCores;
  // Compare Cores, when it is open, explored again for the input form's entries as they stand.
  std::function<void(Toolkit&)> keepCompareCoresCurrent;
  // "Operating Check" of the design the summary shows.
  std::function<void(Toolkit&)> checkPublishedDesign;
  // "Operating Check" of one of Compare Cores' designs.
  std::function<void(Toolkit&, const ExploredDesign&)> checkExploredDesign;
  // One press of the input form's "&Show Results", played back.
  std::function<void(Toolkit&)> runInputForm;
  // The views of the summary's design (the listing, the report) closed.
  std::function<void(Toolkit&)> closeDesignViews;
  // Directions, the help.
  std::function<void(Toolkit&)> directions;
  // "Fit Material", whose "Use" hands the fitted material to `use`, with the file it was
  // saved to; saved first when the window `needsFile`.
  using MaterialUse = std::function<void(Toolkit&, const Material&, const std::string& file)>;
  std::function<void(Toolkit&, MaterialUse use, bool needsFile)> fitMaterial;
};

// Goes through a door if it is there: a session whose windows were not registered has none.
template <typename Door, typename... Args>
void GoThrough(const Door& door, Args&&... args) {
  if (door) {
    door(std::forward<Args>(args)...);
  }
}

}  // namespace pfc::ui
