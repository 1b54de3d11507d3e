#pragma once

#include "ui/forms/session/desktop_services.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/toolkit/toolkit.h"

// The Operating Check window's winding entries and its own materials: what the user types or
// opens there, turned into the checked design's winding and material.
namespace pfc::ui {

// Shows the checked winding in the entries and why a given one was refused. The entries are
// left as typed while the user types (`typing`), so that a half-typed number stays.
void ShowCheckedWinding(Toolkit& toolkit, const DesktopSession& session, bool typing);

// Winds the checked design with the entries: an empty entry is the published design's part.
// A text that is no number is refused like a winding the design cannot take.
void WindFromEntries(Toolkit& toolkit, DesktopSession& session);

// Asks for a material file and adds its material to the list of grades for the session, or
// says why it cannot.
void AddMaterialFromFile(Toolkit& toolkit, DesktopSession& session,
                         const DesktopServices& services);

}  // namespace pfc::ui
