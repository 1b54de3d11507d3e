#include "ui/forms/shell/run_playback.h"

#include "reports/summary/summary_texts.h"
#include "ui/forms/compare_cores/compare_cores.h"
#include "ui/forms/session/entry_refusal.h"
#include "ui/forms/session/form_names.h"
#include "ui/forms/session/input_entries.h"
#include "ui/forms/session/shared_controls.h"
#include "ui/forms/summary/summary_window.h"

namespace pfc::ui {

namespace {

// A stop for want of a core leaves no choice on the list until the entries change.
bool EmptiesTheCoreList(RunEnding ending) {
  return ending == RunEnding::AreaProduct || ending == RunEnding::Vpeak;
}

}  // namespace

void PlayRunOutcome(Toolkit& toolkit, DesktopSession& session, const RunOutcome& outcome) {
  // Every run loads the summary window, which echoes the inputs it read, shown or not.
  toolkit.Load(kSummaryForm);

  if (outcome.emptyStackTakenAsOne) {
    toolkit.SetText(kInputForm, input_controls::StackBox(), "1");
  }
  bool busy = false;
  // The method works with the pointer busy once the entries passed their checks.
  if (outcome.entriesPassedChecks) {
    toolkit.SetMousePointer(kInputForm, MousePointer::Busy);
    busy = true;
  }
  const auto restorePointer = [&] {
    if (busy) {
      toolkit.SetMousePointer(kInputForm, MousePointer::Normal);
      busy = false;
    }
  };

  for (std::size_t i = 0; i < outcome.messages.size(); ++i) {
    // The field-strength stop restores the pointer before its own message; a temperature
    // warning before it is still shown with the busy pointer.
    const bool last = i + 1 == outcome.messages.size();
    if (last && outcome.ending == RunEnding::FieldStrength) {
      restorePointer();
    }
    toolkit.ShowMessage(outcome.messages[i]);
  }
  if (EmptiesTheCoreList(outcome.ending)) {
    toolkit.ClearItems(kInputForm, input_controls::CoreList());
    toolkit.SetEnabled(kInputForm, input_controls::CoreList(), false);
  }
  if (outcome.focus) {
    FocusEntry(toolkit, *outcome.focus);
  }
  if (outcome.ending == RunEnding::Published) {
    ShowSummary(toolkit, PublishedSummary(session.record, session.decimalSeparator),
                session.summary);
    toolkit.Hide(kInputForm);
    toolkit.Show(kSummaryForm);
  }
  restorePointer();
}

void RunInputForm(Toolkit& toolkit, DesktopSession& session, const DesktopServices& services) {
  const EntryTexts entries = ReadInputEntries(toolkit);
  const RunOutcome outcome = services.runDesign(entries, session.record, session.catalogue,
                                                session.wires, session.decimalSeparator);
  PlayRunOutcome(toolkit, session, outcome);
  KeepCompareCoresCurrent(toolkit, session);  // a run may fill in an empty stack count
}

}  // namespace pfc::ui
