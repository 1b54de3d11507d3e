#include "ui/forms/session/entry_refusal.h"

#include "ui/forms/session/form_names.h"

namespace pfc::ui {

void FocusEntry(Toolkit& toolkit, Entry entry) {
  if (toolkit.IsVisible(kInputForm)) {
    toolkit.SetFocus(kInputForm, DescriptionOf(entry).control);
  }
}

void ShowEntryRefusal(Toolkit& toolkit, const Message& caution, std::optional<Entry> entry) {
  toolkit.ShowMessage(caution);
  if (entry) {
    FocusEntry(toolkit, *entry);
  }
}

}  // namespace pfc::ui
