#pragma once

#include "ui/toolkit/form_registry.h"

namespace pfc::test {

// The two windows the viewer leads back to, reduced to what it touches: the input form
// "frmXls" with its core-size list "txtCoreSize" (a blank first entry, two part numbers,
// the last one chosen) and the summary "frmResult", whose unloading shows the input form
// again as the real one does.
ui::FormRegistry StandInForms();

}  // namespace pfc::test
