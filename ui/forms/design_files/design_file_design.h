#pragma once

#include "ui/toolkit/form_description.h"

namespace pfc::ui {

// "Open Design…" and "Save Design As…" under the input form's Help button, with Ctrl+O and
// Ctrl+Shift+S; Ctrl+S saving to the open file; and the form taking design files dropped on it.
void AddDesignFileButtons(FormDescription& inputForm);

}  // namespace pfc::ui
