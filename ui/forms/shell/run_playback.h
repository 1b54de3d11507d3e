#pragma once

#include "engine/method/design_run.h"
#include "ui/forms/session/desktop_services.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/toolkit/toolkit.h"

namespace pfc::ui {

// Shows one press of "&Show Results" through the toolkit, from the outcome the engine
// returned and the record it left: loads the summary, fills in an empty stack count, sets
// the busy pointer once the inputs passed, shows the messages in order, empties the core
// list, moves the focus, publishes the record's summary, and restores the pointer on every
// ending.
void PlayRunOutcome(Toolkit& toolkit, DesktopSession& session, const RunOutcome& outcome);

// One press of "&Show Results": runs the design on the input form's entries and shows how
// the run ended.
void RunInputForm(Toolkit& toolkit, DesktopSession& session, const DesktopServices& services);

}  // namespace pfc::ui
