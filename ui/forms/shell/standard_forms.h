#pragma once

#include "ui/forms/session/desktop_services.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/toolkit/form_registry.h"

namespace pfc::ui {

// Registers the disclaimer, the input form, the summary, the listing, the directions, the
// core comparison, Find Designs and the operating check, and fills in the session's doors,
// by which one window opens another.
// The session and the services must outlive every toolkit that uses the registry.
void RegisterStandardForms(FormRegistry& registry, DesktopSession& session,
                           const DesktopServices& services);

}  // namespace pfc::ui
