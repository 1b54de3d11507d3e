#include "ui/forms/compare_cores/compare_cores.h"

#include <optional>
#include <string>
#include <utility>

#include "ui/forms/session/entry_refusal.h"
#include "ui/forms/session/form_names.h"
#include "ui/forms/session/input_entries.h"
#include "ui/forms/session/shared_controls.h"

namespace pfc::ui {

using namespace input_controls;

namespace {

// The position of the core's entry in the input form's pick list; -1 when it has none.
int PickListPosition(Toolkit& toolkit, const std::string& partNo) {
  const int count = toolkit.ItemCount(kInputForm, CoreList());
  for (int position = 0; position < count; ++position) {
    const std::string entry = toolkit.ItemText(kInputForm, CoreList(), position);
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
  Exploration exploration = ExploreDesigns(entries, session.record, session.catalogue,
                                           session.wires, session.limits.Get());
  if (exploration.rejected) {
    ShowEntryRefusal(toolkit, exploration.message, exploration.focus);
    return;
  }
  session.compareCores.Replace(std::move(exploration), entries);
  toolkit.Show(kCompareCoresForm);
}

bool SameComparison(const EntryTexts& a, const EntryTexts& b) {
  // Every entry but the core pick, which the comparison does not read.
  for (const EntryDescription& entry : Entries()) {
    if (entry.kind == EntryKind::CorePick) {
      continue;
    }
    if (a[entry.entry] != b[entry.entry] ||
        (entry.HasUnitList() && a.Unit(entry.entry) != b.Unit(entry.entry))) {
      return false;
    }
  }
  return true;
}

bool FollowInputEntries(Toolkit& toolkit, DesktopSession& session) {
  if (!toolkit.IsLoaded(kInputForm)) {
    return true;  // the window goes with the form; nothing else can have changed
  }
  const EntryTexts entries = ReadInputEntries(toolkit);
  if (SameComparison(entries, session.compareCores.Entries())) {
    return true;
  }
  Exploration exploration = ExploreDesigns(entries, session.record, session.catalogue,
                                           session.wires, session.limits.Get());
  if (exploration.rejected) {
    toolkit.Unload(kCompareCoresForm);
    ShowEntryRefusal(toolkit, exploration.message, exploration.focus);
    return false;
  }
  session.compareCores.Replace(std::move(exploration), entries);
  return false;
}

void KeepCompareCoresCurrent(Toolkit& toolkit, DesktopSession& session) {
  if (!toolkit.IsLoaded(kCompareCoresForm) || !toolkit.IsLoaded(kInputForm)) {
    return;
  }
  const EntryTexts entries = ReadInputEntries(toolkit);
  if (SameComparison(entries, session.compareCores.Entries())) {
    return;
  }
  Exploration exploration = ExploreDesigns(entries, session.record, session.catalogue,
                                           session.wires, session.limits.Get());
  if (!exploration.rejected) {
    session.compareCores.Replace(std::move(exploration), entries);
  }
}

void FollowSessionLimits(DesktopSession& session) {
  CompareCoresDesigns& shown = session.compareCores;
  if (shown.Current().limits == session.limits.Get()) {
    return;
  }
  const EntryTexts entries = shown.Entries();
  Exploration exploration = ExploreDesigns(entries, session.record, session.catalogue,
                                           session.wires, session.limits.Get());
  if (exploration.rejected) {
    return;  // the entries were explored before: only another catalogue can refuse them
  }
  // The same designs in the same order, judged anew: the pick stays.
  const std::optional<std::size_t> picked = shown.Picked();
  shown.Replace(std::move(exploration), entries);
  shown.Pick(picked);
}

void UseExploredDesign(Toolkit& toolkit, DesktopSession& session, const ExploredDesign& design) {
  // A run from a hidden input form would leave its messages without the form they speak of:
  // back to the form, as "R&eset Design Inputs" goes, the views of the summary's design
  // closed. This window stays, for the next choice.
  if (toolkit.IsVisible(kSummaryForm)) {
    GoThrough(session.doors.closeDesignViews, toolkit);
    toolkit.Hide(kSummaryForm);
  }
  toolkit.Show(kInputForm);
  // Ticking the box again rebuilds the list, which an earlier run may have emptied.
  toolkit.SetTicked(kInputForm, kChkPickCore, false);
  toolkit.SetTicked(kInputForm, kChkPickCore, true);
  toolkit.Choose(kInputForm, CoreList(), PickListPosition(toolkit, design.SelectedCoreSize));
  toolkit.SetText(kInputForm, StackBox(), std::to_string(design.CoresToStack));
  // Another stack count is another comparison; the window shows it before it is clicked again.
  KeepCompareCoresCurrent(toolkit, session);
  GoThrough(session.doors.runInputForm, toolkit);
}

}  // namespace pfc::ui
