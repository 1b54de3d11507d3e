#include "ui/forms/compare_cores.h"

#include <string>
#include <utility>

#include "ui/forms/form_names.h"
#include "ui/forms/input_design.h"
#include "ui/forms/input_form.h"

namespace pfc::ui {

using namespace input_controls;

namespace {

// The position of the core's entry in the input form's pick list; -1 when it has none.
int PickListPosition(Toolkit& toolkit, const std::string& partNo) {
  const int count = toolkit.ItemCount(kInputForm, kTxtCoreSize);
  for (int position = 0; position < count; ++position) {
    const std::string entry = toolkit.ItemText(kInputForm, kTxtCoreSize, position);
    // The run reads the part number back as the text before the first blank.
    if (!partNo.empty() && entry.substr(0, entry.find(' ')) == partNo) {
      return position;
    }
  }
  return -1;
}

}  // namespace

void OpenCompareCores(Toolkit& toolkit, DesktopSession& session) {
  const EntryTexts entries = ReadInputEntries(toolkit);
  Exploration exploration =
      ExploreDesigns(entries, session.record, session.catalogue, session.wires);
  if (exploration.rejected) {
    toolkit.ShowMessage(exploration.message);
    if (!exploration.focus.empty() && toolkit.IsVisible(kInputForm)) {
      toolkit.SetFocus(kInputForm, exploration.focus);
    }
    return;
  }
  session.compareCores.Replace(std::move(exploration));
  toolkit.Show(kCompareCoresForm);
}

void UseExploredDesign(Toolkit& toolkit, DesktopSession& session, const DesktopServices& services,
                       const ExploredDesign& design) {
  // A run from a hidden input form would leave its messages without the form they speak of;
  // leaving the summary shows the form again, as "R&eset Design Inputs" does.
  if (toolkit.IsVisible(kSummaryForm)) {
    toolkit.Unload(kSummaryForm);
  }
  toolkit.Show(kInputForm);
  // Ticking the box again rebuilds the list, which an earlier run may have emptied.
  toolkit.SetTicked(kInputForm, kChkPickCore, false);
  toolkit.SetTicked(kInputForm, kChkPickCore, true);
  toolkit.Choose(kInputForm, kTxtCoreSize, PickListPosition(toolkit, design.SelectedCoreSize));
  toolkit.SetText(kInputForm, kTxtStack, std::to_string(design.CoresToStack));
  RunInputForm(toolkit, session, services);
}

}  // namespace pfc::ui
