#pragma once

#include <optional>

#include "engine/inputs/entries.h"
#include "engine/record/message.h"
#include "ui/toolkit/toolkit.h"

namespace pfc::ui {

// The input form's entry the user is sent back to, where the user can see the form.
void FocusEntry(Toolkit& toolkit, Entry entry);

// The caution of entries the method refused, then the focus on the entry it names.
void ShowEntryRefusal(Toolkit& toolkit, const Message& caution, std::optional<Entry> entry);

}  // namespace pfc::ui
