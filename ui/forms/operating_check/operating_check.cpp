#include "ui/forms/operating_check/operating_check.h"

#include <string>

#include "engine/inputs/pick_list.h"
#include "reports/check/check_figures.h"
#include "ui/forms/operating_check/operating_check_design.h"
#include "ui/forms/session/form_names.h"
#include "ui/forms/session/input_entries.h"

namespace pfc::ui {

void CheckPublishedDesign(Toolkit& toolkit, DesktopSession& session) {
  session.checked.Check(session.record, "the published design");
  toolkit.Show(kOperatingCheckForm);
}

void CheckExploredDesign(Toolkit& toolkit, DesktopSession& session, const DesktopServices& services,
                         const ExploredDesign& design) {
  EntryTexts entries = ReadInputEntries(toolkit);
  entries.pickCore = true;
  entries[Entry::CoreSize] = PickListEntry(session.catalogue, design.CoreIndex);
  entries[Entry::Stack] = std::to_string(design.CoresToStack);
  DesignRecord pick = session.record;
  pick.CalcType = DesignerPicks;
  const RunOutcome outcome =
      services.runDesign(entries, pick, session.catalogue, session.wires, session.decimalSeparator);

  const std::string name = CheckedCoreName(design.SelectedCoreSize, design.CoresToStack);
  if (outcome.ending != RunEnding::Published) {
    std::string text = name + " has no operating check: a designer's pick of it is not published.";
    if (!outcome.messages.empty()) {
      text += "\r\n\r\n" + outcome.messages.back().text;
    }
    toolkit.ShowMessage(Message{kCautionTitle, MessageIcon::Information, text});
    return;
  }
  session.checked.Check(pick, "picked in Compare Cores");
  toolkit.Show(kOperatingCheckForm);
}

}  // namespace pfc::ui
