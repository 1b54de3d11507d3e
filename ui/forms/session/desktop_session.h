#pragma once

#include <string>

#include "engine/method/design_session.h"
#include "reports/summary/result_summary.h"
#include "ui/forms/session/checked_design.h"
#include "ui/forms/session/compare_cores_designs.h"
#include "ui/forms/session/design_file_state.h"
#include "ui/forms/session/found_designs.h"
#include "ui/forms/session/material_fitting.h"
#include "ui/forms/session/session_limits.h"
#include "ui/forms/session/window_doors.h"

namespace pfc::ui {

// The design session as the desktop program's windows share it: besides the tables and the
// record, what the windows built on them show. Owned by the application and lent to the
// windows and the widgets; it must outlive every toolkit that uses them.
struct DesktopSession : DesignSession {
  CompareCoresDesigns compareCores;      // what "Compare Cores" shows
  SessionLimits limits;                  // what every window judges designs by
  CheckedDesign checked{wires, limits};  // what "Operating Check" shows
  FoundDesigns foundDesigns;             // what "Find Designs" shows
  MaterialFitting materialFit;           // what "Fit Material" fitted last
  InputFormFile designFile;              // the design file of the input form's entries
  // What the summary window shows, and so what its report copies: the inputs echoed from the
  // record, and the outputs of the design published since the window opened.
  ResultSummary summary;
  // The user's temporary folder, where the report and the web link's scratch file go: read
  // when the disclaimer loads, and again from the environment by every report.
  std::string tempFolder;
  WindowDoors doors;  // the ways into windows that other windows open
};

}  // namespace pfc::ui
