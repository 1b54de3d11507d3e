#pragma once

#include "engine/design_session.h"
#include "ui/forms/compare_cores_designs.h"

namespace pfc::ui {

// The design session as the desktop program's windows share it: besides the tables and the
// record, the designs "Compare Cores" shows. Owned by the application and lent to the
// windows and the widgets; it must outlive every toolkit that uses them.
struct DesktopSession : DesignSession {
  CompareCoresDesigns compareCores;
};

}  // namespace pfc::ui
