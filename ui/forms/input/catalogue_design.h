#pragma once

#include "ui/toolkit/form_description.h"

namespace pfc::ui {

// "Core Catalogue…" and "Built-in Catalogue" under the input form's design file buttons.
void AddCatalogueButtons(FormDescription& inputForm);

}  // namespace pfc::ui
