#pragma once

#include "ui/forms/session/checked_design.h"
#include "ui/forms/session/desktop_services.h"
#include "ui/toolkit/toolkit.h"

namespace pfc::ui {

// "Export Model…" of the Operating Check window: asks where to save the checked winding's
// model for a circuit simulator, offering the four formats by file type, and writes it whole
// or not at all. The file's extension decides the format when it is one of theirs, otherwise
// the file type chosen in the dialog. A design the model cannot be made of, or a failed
// write, is told in a "Caution" box; a cancelled dialog does nothing. Returns whether a file
// was written.
bool ExportCheckedModel(Toolkit& toolkit, const DesktopServices& services,
                        const CheckedDesign& checked);

}  // namespace pfc::ui
