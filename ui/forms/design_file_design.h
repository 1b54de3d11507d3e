#pragma once

#include "ui/toolkit/form_description.h"

namespace pfc::ui {

// "Open Design…" and "Save Design…" under the input form's Help button, with Ctrl+O and
// Ctrl+S, and the form taking design files dropped on it.
void AddDesignFileButtons(FormDescription& inputForm);

}  // namespace pfc::ui
