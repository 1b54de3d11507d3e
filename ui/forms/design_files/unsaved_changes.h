#pragma once

#include "ui/forms/session/desktop_session.h"
#include "ui/toolkit/toolkit.h"

// The question before the input form's unsaved changes are lost: when it closes at the
// user's request, or when another design file is about to fill it.
namespace pfc::ui {

enum class LosingChanges { Closing, OpeningAnother };

// True when the user may go on: the form has no changes to its file, or they were saved to
// that file, or the user chose to discard them. Cancelling, or a save that fails (told in a
// "Caution" box), keeps the form and the file as they were. Nothing is asked while no file
// is named.
bool MayLoseUnsavedChanges(Toolkit& toolkit, DesktopSession& session, LosingChanges what);

}  // namespace pfc::ui
